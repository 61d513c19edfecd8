#pragma once

#include <QtGlobal>

#include <pulse/channelmap.h>
#include <pulse/volume.h>

// Conversions between the server's channel volumes and the recorder's two
// numbers: a volume 0 .. 65535 (65535 is the server's 100 %) and a balance
// 0 .. 100 (50 is the centre), as the server defines balance for the line's
// channel map. A volume written and read back gives the same number.
namespace PulseVolume {

constexpr qint32 MaxLevel = 65535;
constexpr qint32 CentreBalance = 50;

qint32 levelOf(const pa_cvolume &volume);
pa_cvolume withLevel(const pa_cvolume &volume, qint32 level);

bool canBalance(const pa_channel_map &map);
qint32 balanceOf(const pa_cvolume &volume, const pa_channel_map &map);
pa_cvolume withBalance(const pa_cvolume &volume, const pa_channel_map &map, qint32 balance);

} // namespace PulseVolume
