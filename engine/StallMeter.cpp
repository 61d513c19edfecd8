#include "engine/StallMeter.h"

#include <algorithm>

void StallMeter::noteArrival(qint64 nowUs, qint64 position)
{
    if (m_lastArrivalUs >= 0 && nowUs - m_lastArrivalUs >= StallUs)
        markStall(position);
    m_lastArrivalUs = nowUs;
}

void StallMeter::markStall(qint64 position)
{
    if (m_inStall)
        return;   // the first sign places it
    m_inStall = true;
    m_stallAt = position;
    m_after.clear();
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
        markStall(position);
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
    // Settled: what the server fell behind for good is what never came.
    if (!m_before.empty()) {
        const qint64 lostUs = lowest(m_after) - lowest(m_before);
        if (lostUs >= LeastLossUs) {
            m_lostFrames += (lostUs * m_rate + 500'000) / 1'000'000;
            m_lossAt = m_stallAt;
        }
    }
    m_inStall = false;
    m_before.assign(m_after.begin(), m_after.end());
    m_after.clear();
}
