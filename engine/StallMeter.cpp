#include "engine/StallMeter.h"

#include <algorithm>

void StallMeter::noteArrival(qint64 nowUs, qint64 position)
{
    if (m_lastArrivalUs >= 0 && nowUs - m_lastArrivalUs >= StallUs)
        markStall(position, nowUs);
    else if (m_inStall && m_stallSeenUs < 0)
        m_stallSeenUs = nowUs;   // the first sound since a stall a report showed
    if (m_firstArrivalUs < 0) {
        m_firstArrivalUs = nowUs;
        m_firstPosition = position;
    }
    m_lastArrivalUs = nowUs;
    m_lastPosition = position;
}

// The sound that came before the latest arrival is older than that arrival,
// so this errs by up to one delivery on the high side, never on the low.
qint64 StallMeter::missingByArrivals() const
{
    const qint64 elapsed = (m_lastArrivalUs - m_firstArrivalUs) * m_rate / 1'000'000;
    return std::max<qint64>(0, elapsed - (m_lastPosition - m_firstPosition));
}

void StallMeter::markStall(qint64 position, qint64 nowUs)
{
    if (m_inStall)
        return;   // the first sign places it
    m_inStall = true;
    m_stallAt = position;
    m_stallSeenUs = nowUs;
    m_after.clear();
}

// Sound that came since the stall at the pace it is made was live; whatever
// came faster had been held back. The gap lies where the held-back sound ends.
qint64 StallMeter::lossPosition() const
{
    if (m_stallSeenUs < 0 || m_lastArrivalUs < m_stallSeenUs)
        return m_stallAt;
    const qint64 live = m_lastPosition - (m_lastArrivalUs - m_stallSeenUs) * m_rate / 1'000'000;
    return std::clamp(live, m_stallAt, std::max(m_stallAt, m_lastPosition));
}

void StallMeter::addLoss(qint64 frames, qint64 at)
{
    if (frames <= 0)
        return;
    m_lostFrames += frames;
    m_lossAt = at;
}

void StallMeter::noteServerSkipped(qint64 frames)
{
    if (m_skippedBase < 0)
        m_skippedBase = frames;
    const qint64 skipped = frames - m_skippedBase;
    if (skipped <= m_skipped)
        return;
    const qint64 more = skipped - m_skipped;
    m_skipped = skipped;
    // Thrown away after a wait: placed with the rest of that stall.
    if (m_inStall)
        m_skippedInStall += more;
    else
        addLoss(more, m_lastPosition);
}

void StallMeter::notePlayersStoodStill()
{
    if (m_inStall)
        m_playersStill = true;
}

qint64 StallMeter::lowest(const std::deque<qint64> &values)
{
    return *std::min_element(values.begin(), values.end());
}

void StallMeter::noteReport(qint64 serverUs, qint64 producedUs, qint64 deviceUs, qint64 position)
{
    const qint64 behind = serverUs - producedUs;
    // Still catching up, or well behind what it was: not a normal report.
    // Without a wait for sound before it (time skipped while sound kept
    // coming), the stall is placed here, within one report of where it began.
    const bool catchingUp = deviceUs >= CatchingUpUs;
    const bool jumped = !m_before.empty() && behind - lowest(m_before) >= StallUs;
    if (catchingUp || jumped)
        markStall(position, -1);
    if (catchingUp)
        return;

    if (!m_inStall) {
        m_before.push_back(behind);
        if (m_before.size() > size_t(Before))
            m_before.pop_front();
        return;
    }
    m_after.push_back(behind);
    if (m_after.size() < size_t(After))
        return;
    // Settled: what the server fell behind for good is what never came, and
    // with it what it threw away.
    qint64 lost = 0;
    if (!m_before.empty()) {
        const qint64 lostUs = lowest(m_after) - lowest(m_before);
        lost = lostUs >= LeastLossUs ? (lostUs * m_rate + 500'000) / 1'000'000 : 0;
        if (m_firstArrivalUs >= 0)
            lost = std::min(lost, std::max<qint64>(0, missingByArrivals() - m_lostFrames - m_skippedInStall));
        if (lost * 1'000'000 < LeastLossUs * m_rate)
            lost = 0;
    }
    if (m_playersStill)
        lost = 0;
    addLoss(lost + m_skippedInStall, lossPosition());
    m_skippedInStall = 0;
    m_playersStill = false;
    m_inStall = false;
    m_before.assign(m_after.begin(), m_after.end());
    m_after.clear();
}
