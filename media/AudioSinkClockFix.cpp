#include "media/AudioSinkClockFix.h"

#include <dlfcn.h>

#include <cstddef>

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

struct Api
{
    GType (*binType)() = nullptr;
    unsigned (*signalLookup)(const char *, GType) = nullptr;
    unsigned long (*addEmissionHook)(unsigned, unsigned, EmissionHook, void *, void (*)(void *)) = nullptr;
    void *(*valueGetObject)(const GValue *) = nullptr;
    void *(*findProperty)(void *objectClass, const char *) = nullptr;
    void (*objectSet)(void *, const char *, ...) = nullptr;
};

Api api;

template<typename F>
bool resolve(void *library, const char *name, F &function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

// GstBin::element-added: (bin, element). An element with the property is
// an audio sink (GstAudioBaseSink); 2 is GST_AUDIO_BASE_SINK_SLAVE_NONE.
int onElementAdded(void *, unsigned count, const GValue *params, void *)
{
    if (count < 2)
        return 1;
    void *element = api.valueGetObject(&params[1]);
    if (element && api.findProperty(*static_cast<void **>(element), "slave-method"))
        api.objectSet(element, "slave-method", 2, nullptr);
    return 1;  // stay installed
}

} // namespace

bool installAudioSinkClockFix()
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
            || !resolve(gobject, "g_object_set", api.objectSet))
            return false;
        const unsigned signal = api.signalLookup("element-added", api.binType());
        return signal != 0 && api.addEmissionHook(signal, 0, onElementAdded, nullptr, nullptr) != 0;
    }();
    return installed;
}
