#include "engine/PulseVolume.h"

#include <algorithm>
#include <cmath>

namespace PulseVolume {

namespace {

pa_volume_t toServer(qint32 level)
{
    level = std::clamp(level, 0, MaxLevel);
    return pa_volume_t((qint64(level) * PA_VOLUME_NORM + MaxLevel / 2) / MaxLevel);
}

qint32 fromServer(pa_volume_t v)
{
    const qint64 level = (qint64(v) * MaxLevel + PA_VOLUME_NORM / 2) / PA_VOLUME_NORM;
    return qint32(std::min<qint64>(level, MaxLevel));
}

} // namespace

qint32 levelOf(const pa_cvolume &volume)
{
    if (!pa_cvolume_valid(&volume))
        return 0;
    return fromServer(pa_cvolume_max(&volume));
}

pa_cvolume withLevel(const pa_cvolume &volume, qint32 level)
{
    pa_cvolume result = volume;
    const pa_volume_t target = toServer(level);
    if (pa_cvolume_max(&result) == PA_VOLUME_MUTED) {
        // Scaling keeps the ratio between channels; from silence there is none.
        pa_cvolume_set(&result, result.channels, target);
        return result;
    }
    pa_cvolume_scale(&result, target);
    return result;
}

bool canBalance(const pa_channel_map &map)
{
    return pa_channel_map_valid(&map) && pa_channel_map_can_balance(&map);
}

qint32 balanceOf(const pa_cvolume &volume, const pa_channel_map &map)
{
    if (!canBalance(map) || !pa_cvolume_compatible_with_channel_map(&volume, &map))
        return CentreBalance;
    const float b = pa_cvolume_get_balance(&volume, &map);   // -1 (left) .. 1 (right)
    return std::clamp(qint32(std::lround((b + 1.0f) * 50.0f)), 0, 100);
}

pa_cvolume withBalance(const pa_cvolume &volume, const pa_channel_map &map, qint32 balance)
{
    pa_cvolume result = volume;
    if (!canBalance(map) || !pa_cvolume_compatible_with_channel_map(&volume, &map))
        return result;
    balance = std::clamp(balance, 0, 100);
    pa_cvolume_set_balance(&result, &map, float(balance - CentreBalance) / 50.0f);
    return result;
}

} // namespace PulseVolume
