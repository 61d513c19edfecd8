#include "engine/PipeWireGraph.h"

#include <pipewire/extensions/profiler.h>
#include <pipewire/impl-module.h>
#include <pipewire/pipewire.h>
#include <spa/param/profiler.h>
#include <spa/pod/iter.h>
#include <spa/pod/parser.h>

#include <cstring>

namespace {

// A driver not reported for this long drives no more (the profiler reports
// every cycle, in batches about once a second).
constexpr auto Forgotten = std::chrono::seconds(3);

} // namespace

struct PipeWireGraph::Native
{
    PipeWireGraph *owner = nullptr;
    pw_thread_loop *loop = nullptr;
    pw_context *context = nullptr;
    pw_core *core = nullptr;
    pw_registry *registry = nullptr;
    pw_proxy *profiler = nullptr;
    bool watchCycles = true;
    spa_hook coreListener{};
    spa_hook registryListener{};
    spa_hook profilerListener{};

    static void onDone(void *data, uint32_t id, int seq)
    {
        if (id == PW_ID_CORE)
            static_cast<Native *>(data)->owner->noteAnswer(seq);
    }
    static void onGlobal(void *data, uint32_t id, uint32_t, const char *type, uint32_t, const spa_dict *);
    static void onProfile(void *data, const spa_pod *pod);

    ~Native()
    {
        if (loop)
            pw_thread_loop_stop(loop);
        if (profiler) {
            spa_hook_remove(&profilerListener);
            pw_proxy_destroy(profiler);
        }
        if (registry) {
            spa_hook_remove(&registryListener);
            pw_proxy_destroy(reinterpret_cast<pw_proxy *>(registry));
        }
        if (core) {
            spa_hook_remove(&coreListener);
            pw_core_disconnect(core);
        }
        if (context)
            pw_context_destroy(context);
        if (loop)
            pw_thread_loop_destroy(loop);
    }
};

void PipeWireGraph::Native::onGlobal(void *data, uint32_t id, uint32_t, const char *type, uint32_t, const spa_dict *)
{
    static const pw_profiler_events events = {PW_VERSION_PROFILER_EVENTS, &Native::onProfile};
    auto *self = static_cast<Native *>(data);
    if (!self->watchCycles || self->profiler || std::strcmp(type, PW_TYPE_INTERFACE_Profiler) != 0)
        return;
    self->profiler = static_cast<pw_proxy *>(pw_registry_bind(self->registry, id, type, PW_VERSION_PROFILER, 0));
    if (self->profiler)
        pw_proxy_add_object_listener(self->profiler, &self->profilerListener, &events, self);
}

// A report is a struct of objects, one for each cycle: its clock (cycle
// length and rate) and its driver's block (the driver's node).
void PipeWireGraph::Native::onProfile(void *data, const spa_pod *pod)
{
    auto *self = static_cast<Native *>(data);
    const void *body = SPA_POD_BODY_CONST(pod);
    const uint32_t size = SPA_POD_BODY_SIZE(pod);
    for (auto *cycle = static_cast<const spa_pod *>(body); spa_pod_is_inside(body, size, cycle);
         cycle = static_cast<const spa_pod *>(spa_pod_next(cycle))) {
        if (!spa_pod_is_object_type(cycle, SPA_TYPE_OBJECT_Profiler))
            continue;
        int driver = -1;
        int64_t duration = 0;
        spa_fraction rate{0, 0};
        spa_pod_prop *prop = nullptr;
        SPA_POD_OBJECT_FOREACH(reinterpret_cast<const spa_pod_object *>(cycle), prop) {
            if (prop->key == SPA_PROFILER_clock) {
                int32_t flags = 0, id = 0;
                const char *name = nullptr;
                int64_t nsec = 0, position = 0, delay = 0, next = 0;
                double rateDiff = 0;
                spa_pod_parse_struct(&prop->value, SPA_POD_Int(&flags), SPA_POD_Int(&id), SPA_POD_String(&name),
                                     SPA_POD_Long(&nsec), SPA_POD_Fraction(&rate), SPA_POD_Long(&position),
                                     SPA_POD_Long(&duration), SPA_POD_Long(&delay), SPA_POD_Double(&rateDiff),
                                     SPA_POD_Long(&next));
            } else if (prop->key == SPA_PROFILER_driverBlock) {
                int32_t id = -1;
                const char *name = nullptr;
                spa_pod_parse_struct(&prop->value, SPA_POD_Int(&id), SPA_POD_String(&name));
                driver = id;
            }
        }
        // The clock's rate is a fraction of a second per frame (1/48000).
        if (driver >= 0 && duration > 0 && rate.num == 1 && rate.denom > 0)
            self->owner->noteCycle(quint32(driver), duration, qint32(rate.denom));
    }
}

PipeWireGraph::PipeWireGraph() = default;

PipeWireGraph::~PipeWireGraph()
{
    m_native.reset();   // its thread stops before what it writes to goes
}

std::unique_ptr<PipeWireGraph> PipeWireGraph::connect(bool watchCycles)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });

    std::unique_ptr<PipeWireGraph> graph(new PipeWireGraph);
    graph->m_native = std::make_unique<Native>();
    Native &n = *graph->m_native;
    n.owner = graph.get();
    n.watchCycles = watchCycles;
    n.loop = pw_thread_loop_new("tarvell-graph", nullptr);
    if (!n.loop)
        return nullptr;
    n.context = pw_context_new(pw_thread_loop_get_loop(n.loop), nullptr, 0);
    if (!n.context)
        return nullptr;
    // The client's half of the profiler's protocol.
    if (watchCycles && !pw_context_load_module(n.context, "libpipewire-module-profiler", nullptr, nullptr))
        return nullptr;
    n.core = pw_context_connect(n.context, nullptr, 0);
    if (!n.core)
        return nullptr;
    static pw_core_events coreEvents = [] {
        pw_core_events e{};
        e.version = PW_VERSION_CORE_EVENTS;
        e.done = &Native::onDone;
        return e;
    }();
    pw_core_add_listener(n.core, &n.coreListener, &coreEvents, &n);
    static const pw_registry_events events = {PW_VERSION_REGISTRY_EVENTS, &Native::onGlobal, nullptr};
    n.registry = pw_core_get_registry(n.core, PW_VERSION_REGISTRY, 0);
    if (!n.registry)
        return nullptr;
    pw_registry_add_listener(n.registry, &n.registryListener, &events, &n);
    if (pw_thread_loop_start(n.loop) < 0)
        return nullptr;
    return graph;
}

void PipeWireGraph::noteCycle(quint32 driver, qint64 frames, qint32 rate)
{
    std::lock_guard g(m_mutex);
    m_drivers[driver] = {frames * 1'000'000 / rate, std::chrono::steady_clock::now()};
    m_heard = true;
}

bool PipeWireGraph::heard() const
{
    std::lock_guard g(m_mutex);
    return m_heard;
}

qint64 PipeWireGraph::cycleUsDrivenBy(quint32 node) const
{
    std::lock_guard g(m_mutex);
    const auto it = m_drivers.find(node);
    if (it == m_drivers.end() || std::chrono::steady_clock::now() - it->second.seen > Forgotten)
        return 0;
    return it->second.cycleUs;
}

void PipeWireGraph::askAlive()
{
    pw_thread_loop_lock(m_native->loop);
    const int seq = pw_core_sync(m_native->core, PW_ID_CORE, 0);
    {
        std::lock_guard g(m_mutex);
        m_asked = seq;
        m_askedAt = std::chrono::steady_clock::now();
        m_answered = false;
    }
    pw_thread_loop_unlock(m_native->loop);
}

void PipeWireGraph::noteAnswer(int seq)
{
    std::lock_guard g(m_mutex);
    if (seq != m_asked || m_answered)
        return;
    m_answered = true;
    m_answeredAt = std::chrono::steady_clock::now();
}

bool PipeWireGraph::answeredWithin(std::chrono::milliseconds soon) const
{
    std::lock_guard g(m_mutex);
    return m_answered && m_answeredAt - m_askedAt <= soon;
}
