#pragma once

#include <QString>

#include <array>

// The entries of "More Tools...": free programs and libraries that go well
// with a recorder, and the pages that describe them. One table, in menu order.
struct ProductLink
{
    const char *caption;
    const char *address;
};

inline constexpr std::array<ProductLink, 9> ProductLinks{{
    {"Audacity (edit your recordings)", "https://www.audacityteam.org/"},
    {"PulseAudio Volume Control (pavucontrol)", "https://freedesktop.org/software/pulseaudio/pavucontrol/"},
    {"SoX, the Swiss army knife of sound processing", "https://sox.sourceforge.net/"},
    {"VLC media player", "https://www.videolan.org/vlc/"},
    {"EasyEffects (audio effects for PipeWire)", "https://github.com/wwmm/easyeffects"},
    {"PipeWire", "https://pipewire.org/"},
    {"GStreamer", "https://gstreamer.freedesktop.org/"},
    {"libsndfile", "https://libsndfile.github.io/libsndfile/"},
    {"Qt", "https://www.qt.io/"},
}};
