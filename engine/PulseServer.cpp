#include "engine/PulseServer.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaObject>

#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/operation.h>
#include <pulse/subscribe.h>

#include <chrono>

namespace {
constexpr int ReconnectIntervalMs = 1000;

QString fromUtf8(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

ServerCard cardOf(const pa_card_info &i)
{
    return {i.index, fromUtf8(i.name), fromUtf8(pa_proplist_gets(i.proplist, "device.description"))};
}

ServerSink sinkOf(const pa_sink_info &i)
{
    return {i.index, fromUtf8(i.name), fromUtf8(i.description), i.card, fromUtf8(i.monitor_source_name)};
}

ServerSource sourceOf(const pa_source_info &i)
{
    ServerSource src;
    src.index = i.index;
    src.name = fromUtf8(i.name);
    src.description = fromUtf8(i.description);
    src.card = i.card;
    src.monitorOfSink = i.monitor_of_sink;
    // Only PipeWire's pulse server says which node of its graph a source is.
    bool isNode = false;
    const uint node = QByteArray(pa_proplist_gets(i.proplist, "object.id")).toUInt(&isNode);
    if (i.monitor_of_sink != PA_INVALID_INDEX && isNode)
        src.graphNode = node;
    for (uint32_t p = 0; p < i.n_ports; ++p)
        src.ports.append({fromUtf8(i.ports[p]->name), fromUtf8(i.ports[p]->description)});
    if (i.active_port)
        src.activePort = fromUtf8(i.active_port->name);
    src.rate = i.sample_spec.rate;
    src.volume = i.volume;
    src.channelMap = i.channel_map;
    return src;
}
ServerStream streamOf(const pa_sink_input_info &i)
{
    ServerStream s;
    s.index = i.index;
    s.sink = i.sink;
    s.application = fromUtf8(pa_proplist_gets(i.proplist, PA_PROP_APPLICATION_NAME));
    s.binary = fromUtf8(pa_proplist_gets(i.proplist, PA_PROP_APPLICATION_PROCESS_BINARY));
    const QString streamName = fromUtf8(i.name);
    s.media = fromUtf8(pa_proplist_gets(i.proplist, PA_PROP_MEDIA_NAME));
    s.pulseClient = qstrcmp(pa_proplist_gets(i.proplist, "client.api"), "pipewire-pulse") == 0;
    if (s.media.isEmpty())
        s.media = streamName;
    if (s.application.isEmpty()) {
        s.application = !s.binary.isEmpty() ? s.binary : streamName;
        if (s.media == s.application)
            s.media.clear();
    }
    // Names that only say "this is playback" add nothing to the application's.
    static const QStringList generic{QStringLiteral("Playback"), QStringLiteral("Playback Stream"),
                                     QStringLiteral("audio stream"), QStringLiteral("Audio Stream")};
    if (s.media == s.application || generic.contains(s.media))
        s.media.clear();
    return s;
}
} // namespace

// One copy of the server's state being collected from five separate replies.
struct PulseServer::Snapshot
{
    PulseServer *owner = nullptr;
    int pending = 0;
    quint64 serial = 0;
    quint64 writesBefore = 0;   // our own changes completed when it was asked for
    ServerState state;

    // One of the five replies is complete; the last one publishes the copy.
    void replyDone()
    {
        if (--pending == 0)
            owner->publishSnapshot(this);
    }

    // The callback of one list request: every item, converted, into its
    // list of the copy; the end of the list completes the reply.
    template<typename Info, auto convert, auto list>
    static void collect(pa_context *, const Info *i, int eol, void *u)
    {
        auto *s = static_cast<Snapshot *>(u);
        if (eol == 0 && i)
            (s->state.*list).append(convert(*i));
        else
            s->replyDone();
    }
};

// Lets the user-interface thread wait, with a timeout, for one reply of the
// loop thread. Used without holding the loop lock.
class PulseServer::Waiter
{
public:
    void finish(bool ok)
    {
        std::lock_guard g(m_mutex);
        m_done = true;
        m_ok = ok;
        m_cond.notify_all();
    }
    // true when an answer arrived; *ok tells what it said.
    bool wait(int timeoutMs, bool *ok)
    {
        std::unique_lock g(m_mutex);
        const bool arrived = m_cond.wait_for(g, std::chrono::milliseconds(timeoutMs), [this] { return m_done; });
        *ok = m_ok;
        return arrived;
    }
    static void onSuccess(pa_context *, int success, void *self) { static_cast<Waiter *>(self)->finish(success != 0); }

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
    bool m_done = false;
    bool m_ok = false;
};

PulseServer::PulseServer(QObject *parent) : QObject(parent)
{
    m_loop = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(m_loop, "tarvell-pulse");
    if (pa_threaded_mainloop_start(m_loop) < 0)
        qWarning() << "[PulseServer] Error: the sound server thread did not start";
    Lock lock(*this);
    connectContext();
}

PulseServer::~PulseServer()
{
    {
        Lock lock(*this);
        if (m_context) {
            pa_context_set_state_callback(m_context, nullptr, nullptr);
            pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
            m_context = nullptr;
        }
    }
    pa_threaded_mainloop_stop(m_loop);
    delete m_building;
    pa_threaded_mainloop_free(m_loop);
}

bool PulseServer::waitUntilReady(int timeoutMs)
{
    std::unique_lock g(m_readyMutex);
    if (!m_readyCond.wait_for(g, std::chrono::milliseconds(timeoutMs), [this] { return m_ready; }))
        return false;
    m_state = m_readyState;
    m_appliedSerial = m_readySerial;
    m_connected = true;
    return true;
}

// Called with the loop lock held (constructor, reconnect timer).
void PulseServer::connectContext()
{
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    delete m_building;
    m_building = nullptr;
    m_refreshAgain = false;

    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tarvell Recorder");
    pa_context_set_state_callback(m_context, &PulseServer::onContextState, this);
    // Never start a server of our own: if there is none, wait for one.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        onContextState(m_context, this);
}

void PulseServer::onContextState(pa_context *c, void *userdata)
{
    auto *self = static_cast<PulseServer *>(userdata);
    if (c != self->m_context)
        return;
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY:
        pa_context_set_subscribe_callback(c, &PulseServer::onSubscription, self);
        pa_operation_unref(pa_context_subscribe(
            c,
            pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE
                                   | PA_SUBSCRIPTION_MASK_CARD | PA_SUBSCRIPTION_MASK_SERVER
                                   | PA_SUBSCRIPTION_MASK_SINK_INPUT),
            nullptr, nullptr));
        self->requestRefresh();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED: {
        const QString reason = QString::fromUtf8(pa_strerror(pa_context_errno(c)));
        // Pending replies are cancelled with the context; the half-built copy is void.
        delete self->m_building;
        self->m_building = nullptr;
        QMetaObject::invokeMethod(
            self,
            [self, reason] {
                const bool wasConnected = self->m_connected;
                self->m_connected = false;
                self->m_state = {};
                if (wasConnected) {
                    emit self->connectionLost(reason);
                    emit self->stateChanged();
                }
                if (self->m_reconnectPending)
                    return;
                self->m_reconnectPending = true;
                QTimer::singleShot(ReconnectIntervalMs, self, [self] {
                    self->m_reconnectPending = false;
                    Lock lock(*self);
                    self->connectContext();
                });
            },
            Qt::QueuedConnection);
        break;
    }
    default:
        break;
    }
}

void PulseServer::onSubscription(pa_context *c, pa_subscription_event_type_t, uint32_t, void *userdata)
{
    auto *self = static_cast<PulseServer *>(userdata);
    if (c == self->m_context)
        self->requestRefresh();
}

// Loop thread. Asks for the whole state again; changes are rare and small, so
// a full copy is simpler than tracking each object, and it is never stale.
void PulseServer::requestRefresh()
{
    if (m_building) {
        m_refreshAgain = true;
        return;
    }
    auto *snap = new Snapshot;
    snap->owner = this;
    snap->pending = 5;
    snap->serial = ++m_serial;
    snap->writesBefore = m_writes.load();
    m_building = snap;

    pa_operation_unref(pa_context_get_server_info(
        m_context,
        [](pa_context *, const pa_server_info *i, void *u) {
            auto *s = static_cast<Snapshot *>(u);
            if (i) {
                s->state.defaultSource = fromUtf8(i->default_source_name);
                s->state.defaultSink = fromUtf8(i->default_sink_name);
            }
            s->replyDone();
        },
        snap));
    pa_operation_unref(pa_context_get_card_info_list(
        m_context, &Snapshot::collect<pa_card_info, cardOf, &ServerState::cards>, snap));
    pa_operation_unref(pa_context_get_sink_info_list(
        m_context, &Snapshot::collect<pa_sink_info, sinkOf, &ServerState::sinks>, snap));
    pa_operation_unref(pa_context_get_source_info_list(
        m_context, &Snapshot::collect<pa_source_info, sourceOf, &ServerState::sources>, snap));
    pa_operation_unref(pa_context_get_sink_input_info_list(
        m_context, &Snapshot::collect<pa_sink_input_info, streamOf, &ServerState::streams>, snap));
}

// Loop thread: the copy is complete.
void PulseServer::publishSnapshot(Snapshot *snap)
{
    Q_ASSERT(snap == m_building);
    ServerState state = std::move(snap->state);
    const quint64 serial = snap->serial;
    const quint64 writesBefore = snap->writesBefore;
    delete snap;
    m_building = nullptr;

    {
        std::lock_guard g(m_readyMutex);
        m_readyState = state;
        m_readySerial = serial;
        m_ready = true;
        m_readyCond.notify_all();
    }
    QMetaObject::invokeMethod(
        this,
        [this, state, serial, writesBefore] {
            // Copies can overtake each other on the way here, and one asked
            // for before our own last change may not show it yet: both would
            // put old values back. A fresh copy follows every change.
            if (serial <= m_appliedSerial || writesBefore != m_writes.load())
                return;
            m_appliedSerial = serial;
            m_connected = true;
            m_state = state;
            emit stateChanged();
        },
        Qt::QueuedConnection);

    if (m_refreshAgain) {
        m_refreshAgain = false;
        requestRefresh();
    }
}

// Runs one request and waits for the server's answer without holding the loop
// lock. On timeout the request is cancelled, so its reply can never reach a
// waiter that has gone.
bool PulseServer::runRequest(int timeoutMs, QString *error, const QString &refusal,
                             const std::function<pa_operation *(pa_context *, Waiter *)> &issue)
{
    Waiter waiter;
    pa_operation *op = nullptr;
    {
        Lock lock(*this);
        if (!m_context || pa_context_get_state(m_context) != PA_CONTEXT_READY) {
            *error = QCoreApplication::translate("PulseServer", "There is no connection to the sound server.");
            return false;
        }
        op = issue(m_context, &waiter);
        if (!op) {
            *error = QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
            return false;
        }
    }
    bool ok = false;
    const bool arrived = waiter.wait(timeoutMs, &ok);
    {
        Lock lock(*this);
        if (!arrived)
            pa_operation_cancel(op);
        pa_operation_unref(op);
    }
    if (!arrived) {
        *error = QCoreApplication::translate("PulseServer", "The sound server did not answer in time.");
        return false;
    }
    if (!ok) {
        *error = refusal;
        return false;
    }
    // Copies of the state asked for before now may not show this change.
    ++m_writes;
    Lock lock(*this);
    if (m_context)
        requestRefresh();
    return true;
}

bool PulseServer::setSourceVolume(const QString &source, const pa_cvolume &volume, QString *error, int timeoutMs)
{
    const QByteArray name = source.toUtf8();
    const bool ok = runRequest(timeoutMs, error, QCoreApplication::translate("PulseServer", "The sound server refused the volume of %1.").arg(source),
                               [&](pa_context *c, Waiter *w) {
                                   return pa_context_set_source_volume_by_name(c, name.constData(), &volume,
                                                                               &Waiter::onSuccess, w);
                               });
    if (ok)
        for (auto &s : m_state.sources)
            if (s.name == source)
                s.volume = volume;
    return ok;
}

bool PulseServer::setSourcePort(const QString &source, const QString &port, QString *error, int timeoutMs)
{
    const QByteArray name = source.toUtf8();
    const QByteArray portName = port.toUtf8();
    const bool ok = runRequest(timeoutMs, error, QCoreApplication::translate("PulseServer", "The sound server refused port %1 of %2.").arg(port, source),
                               [&](pa_context *c, Waiter *w) {
                                   return pa_context_set_source_port_by_name(c, name.constData(), portName.constData(),
                                                                             &Waiter::onSuccess, w);
                               });
    if (ok)
        for (auto &s : m_state.sources)
            if (s.name == source)
                s.activePort = port;
    return ok;
}
