#include "media/AudioSinkFixes.h"

#include <dlfcn.h>

#include <cstddef>
#include <cstring>

namespace {

// The few GLib/GStreamer declarations needed, as their headers define them.
using GType = std::size_t;
struct GValue
{
    GType type;
    union {
        void *pointer;
        long long int64;
    } data[2];
};
using EmissionHook = int (*)(void *hint, unsigned count, const GValue *params, void *data);
using PadProbe = int (*)(void *pad, void *info, void *data);

// GstMiniObject, the head of GstEvent and of GstPadProbeInfo.
struct MiniObject
{
    GType type;
    int refcount;
    int lockstate;
    unsigned flags;
    void *copy;
    void *dispose;
    void *free;
    unsigned privUint;
    void *privPointer;
};
struct Event
{
    MiniObject miniObject;
    int type;  // GstEventType
};
struct PadProbeInfo
{
    unsigned type;
    unsigned long id;
    void *data;
};

constexpr unsigned kProbeEvents = (1u << 6) | (1u << 7);  // GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM | _UPSTREAM
constexpr int kProbeOk = 1;                               // GST_PAD_PROBE_OK
constexpr int kSlaveNone = 2;                             // GST_AUDIO_BASE_SINK_SLAVE_NONE
constexpr int kSeekTypeNone = 0, kSeekTypeSet = 1;        // GstSeekType
// How much longer the sink waits at the end of a stream than it believes it
// has to: far more than the 4 to 15 ms it is off, little enough to go unnoticed.
constexpr long long kEndMarginNs = 200 * 1000000LL;

struct Api
{
    GType (*binType)() = nullptr;
    unsigned (*signalLookup)(const char *, GType) = nullptr;
    unsigned long (*addEmissionHook)(unsigned, unsigned, EmissionHook, void *, void (*)(void *)) = nullptr;
    void *(*valueGetObject)(const GValue *) = nullptr;
    void *(*findProperty)(void *objectClass, const char *) = nullptr;
    void (*objectSet)(void *, const char *, ...) = nullptr;
    void (*objectGet)(void *, const char *, ...) = nullptr;
    void *(*getData)(void *, const char *) = nullptr;
    void (*setData)(void *, const char *, void *) = nullptr;

    void *(*staticPad)(void *element, const char *name) = nullptr;
    unsigned long (*addProbe)(void *pad, unsigned mask, PadProbe, void *, void (*)(void *)) = nullptr;
    void *(*parent)(void *object) = nullptr;
    void (*unrefObject)(void *object) = nullptr;
    void (*unrefMiniObject)(void *object) = nullptr;
    const char *(*eventTypeName)(int type) = nullptr;
    void *(*newEos)() = nullptr;
    void (*parseSeek)(void *, double *, int *, int *, int *, long long *, int *, long long *) = nullptr;
    void *(*newSeek)(double, int, int, int, long long, int, long long) = nullptr;
    unsigned (*seqnum)(void *) = nullptr;
    void (*setSeqnum)(void *, unsigned) = nullptr;
};

Api api;
bool g_eventsReadable = false;  // our view of GstEvent matches the library's

template<typename F>
bool resolve(void *library, const char *name, F &function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

bool isEvent(void *event, const char *name)
{
    return event && std::strcmp(api.eventTypeName(static_cast<Event *>(event)->type), name) == 0;
}

// The sink's wait at the end of a stream is lengthened through its
// ts-offset, which moves every wait of the sink but nothing more once all
// samples are in the server; the next stream or segment takes it back.
const char kLengthened[] = "tarvell-end-lengthened";

void lengthenEnd(void *sink, bool on)
{
    const bool lengthened = api.getData(sink, kLengthened) != nullptr;
    if (lengthened == on)
        return;
    long long offset = 0;
    api.objectGet(sink, "ts-offset", &offset, nullptr);
    api.objectSet(sink, "ts-offset", on ? offset + kEndMarginNs : offset - kEndMarginNs, nullptr);
    api.setData(sink, kLengthened, on ? sink : nullptr);
}

// A seek that would stop before it starts (the backend's stop "duration"
// while the duration is unknown) plays to the end instead.
void *withoutEmptyStop(void *seek)
{
    double rate = 1.0;
    int format = 0, flags = 0, startType = 0, stopType = 0;
    long long start = 0, stop = 0;
    api.parseSeek(seek, &rate, &format, &flags, &startType, &start, &stopType, &stop);
    const bool empty = rate > 0 && startType == kSeekTypeSet && stopType == kSeekTypeSet && stop <= start;
    if (!empty)
        return nullptr;
    void *replacement = api.newSeek(rate, format, flags, startType, start, kSeekTypeNone, -1);
    if (replacement)
        api.setSeqnum(replacement, api.seqnum(seek));
    return replacement;
}

int onSinkPadEvent(void *pad, void *info, void *)
{
    auto *probe = static_cast<PadProbeInfo *>(info);
    void *event = probe->data;
    if (isEvent(event, "seek")) {
        if (void *replacement = withoutEmptyStop(event)) {
            probe->data = replacement;
            api.unrefMiniObject(event);
        }
        return kProbeOk;
    }
    const bool end = isEvent(event, "eos");
    if (!end && !isEvent(event, "segment") && !isEvent(event, "stream-start"))
        return kProbeOk;
    if (void *sink = api.parent(pad)) {
        lengthenEnd(sink, end);
        api.unrefObject(sink);
    }
    return kProbeOk;
}

// GstBin::element-added: (bin, element). An element with the property is
// an audio sink (GstAudioBaseSink).
int onElementAdded(void *, unsigned count, const GValue *params, void *)
{
    if (count < 2)
        return 1;
    void *element = api.valueGetObject(&params[1]);
    if (!element || !api.findProperty(*static_cast<void **>(element), "slave-method"))
        return 1;
    api.objectSet(element, "slave-method", kSlaveNone, nullptr);
    // A sink added again (a bin moved into another) keeps its one probe.
    if (g_eventsReadable && !api.getData(element, "tarvell-probed")) {
        if (void *pad = api.staticPad(element, "sink")) {
            api.addProbe(pad, kProbeEvents, onSinkPadEvent, nullptr, nullptr);
            api.unrefObject(pad);
            api.setData(element, "tarvell-probed", element);
        }
    }
    return 1;  // stay installed
}

bool resolveEventApi(void *gstreamer)
{
    if (!resolve(gstreamer, "gst_element_get_static_pad", api.staticPad)
        || !resolve(gstreamer, "gst_pad_add_probe", api.addProbe)
        || !resolve(gstreamer, "gst_object_get_parent", api.parent)
        || !resolve(gstreamer, "gst_object_unref", api.unrefObject)
        || !resolve(gstreamer, "gst_mini_object_unref", api.unrefMiniObject)
        || !resolve(gstreamer, "gst_event_type_get_name", api.eventTypeName)
        || !resolve(gstreamer, "gst_event_new_eos", api.newEos)
        || !resolve(gstreamer, "gst_event_parse_seek", api.parseSeek)
        || !resolve(gstreamer, "gst_event_new_seek", api.newSeek)
        || !resolve(gstreamer, "gst_event_get_seqnum", api.seqnum)
        || !resolve(gstreamer, "gst_event_set_seqnum", api.setSeqnum))
        return false;
    // Read an event of a known type the way the probe will.
    void *eos = api.newEos();
    const bool readable = eos && isEvent(eos, "eos");
    if (eos)
        api.unrefMiniObject(eos);
    return readable;
}

} // namespace

bool installAudioSinkFixes()
{
    static const bool installed = [] {
        void *gobject = dlopen("libgobject-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
        void *gstreamer = dlopen("libgstreamer-1.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
        if (!gobject || !gstreamer)
            return false;
        if (!resolve(gstreamer, "gst_bin_get_type", api.binType)
            || !resolve(gobject, "g_signal_lookup", api.signalLookup)
            || !resolve(gobject, "g_signal_add_emission_hook", api.addEmissionHook)
            || !resolve(gobject, "g_value_get_object", api.valueGetObject)
            || !resolve(gobject, "g_object_class_find_property", api.findProperty)
            || !resolve(gobject, "g_object_set", api.objectSet)
            || !resolve(gobject, "g_object_get", api.objectGet)
            || !resolve(gobject, "g_object_get_data", api.getData)
            || !resolve(gobject, "g_object_set_data", api.setData))
            return false;
        g_eventsReadable = resolveEventApi(gstreamer);
        const unsigned signal = api.signalLookup("element-added", api.binType());
        return signal != 0 && api.addEmissionHook(signal, 0, onElementAdded, nullptr, nullptr) != 0;
    }();
    return installed;
}

bool quietGstreamerDeviceProviders()
{
    static const bool done = [] {
        struct List   // GList
        {
            void *data;
            List *next;
            List *previous;
        };
        // Not NOLOAD: the backend has not loaded GStreamer yet at this point.
        void *gstreamer = dlopen("libgstreamer-1.0.so.0", RTLD_LAZY);
        int (*initCheck)(int *, char ***, void **) = nullptr;
        List *(*providers)(unsigned) = nullptr;
        void (*setRank)(void *, unsigned) = nullptr;
        void (*freeList)(List *) = nullptr;
        if (!gstreamer || !resolve(gstreamer, "gst_init_check", initCheck)
            || !resolve(gstreamer, "gst_device_provider_factory_list_get_device_providers", providers)
            || !resolve(gstreamer, "gst_plugin_feature_set_rank", setRank)
            || !resolve(gstreamer, "gst_plugin_feature_list_free", freeList) || !initCheck(nullptr, nullptr, nullptr))
            return false;
        constexpr unsigned RankNone = 0;   // GST_RANK_NONE: all of them, and out
        List *all = providers(RankNone);
        for (List *p = all; p; p = p->next)
            setRank(p->data, RankNone);
        freeList(all);
        return true;
    }();
    return done;
}
