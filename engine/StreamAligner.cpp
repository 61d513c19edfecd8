#include "engine/StreamAligner.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 Chunk = 512;
// Frames the converter holds back before its first output...
constexpr qint64 ConverterLead = 512;
// ...and how far behind its input its output lies (2.4 frames, the rest
// in its phase).
constexpr qint64 ConverterDelay = 2;
// From reading frame for frame to reading through the converter: a
// crossfade this long.
constexpr qint64 Fade = 256;
// Clock readings jitter by a fraction of a millisecond, and through
// PipeWire's pulse server one now and then is late or early by part of a
// delivery (a few to a dozen milliseconds, more often one way than the
// other). The offset is the median of the latest readings that agree with it
// within CorrectFromMs; one further off is left out, unless nearly all of
// the latest are: then the offset has moved. (A reading that is off counts
// twice or more: it stays the latest of its stream until the next.)
constexpr size_t OffsetReadings = 41;
constexpr size_t MovedReadings = OffsetReadings * 9 / 10;
// The offset is known once this many readings agree within ResyncMs, so
// that one reading off by a delivery does not place the second at the start.
constexpr size_t SettledReadings = 3;

} // namespace

StreamAligner::StreamAligner(int rate) : m_rate(std::max(rate, 1))
{
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, SOXR_VR);
    soxr_error_t err = nullptr;
    // A variable-rate converter is made for the largest ratio it will take.
    m_soxr = soxr_create(1.0 + 2 * MaxAdjust, 1.0, 1, &err, &io, &quality, nullptr);
}

StreamAligner::~StreamAligner()
{
    if (m_soxr)
        soxr_delete(m_soxr);
}

void StreamAligner::noteFirstClock(qint64 frame, qint64 us)
{
    m_firstClock = true;
    m_firstFrame = frame;
    m_firstUs = us;
    noteOffset();
}

void StreamAligner::noteSecondClock(qint64 frame, qint64 us)
{
    m_secondClock = true;
    m_secondFrame = frame;
    m_secondUs = us;
    noteOffset();
}

void StreamAligner::noteOffset()
{
    if (!m_firstClock || !m_secondClock)
        return;
    const double raw = double(m_secondFrame - m_firstFrame) + double(m_firstUs - m_secondUs) * m_rate / 1e6;
    const double off = std::abs(raw - m_median);
    const bool leftOut = m_readings.size() >= SettledReadings && off > CorrectFromMs * m_rate / 1000;
    m_leftOut.push_back(leftOut);
    m_leftOutCount += leftOut;
    if (m_leftOut.size() > OffsetReadings) {
        m_leftOutCount -= m_leftOut.front();
        m_leftOut.pop_front();
    }
    // A stream that started again (an application's next one) starts the
    // readings afresh, and the second waits until they have settled.
    if (!m_readings.empty() && (off > ResyncMs * m_rate / 2000.0 || m_leftOutCount >= MovedReadings)) {
        m_readings.clear();
        m_leftOut.clear();
        m_leftOutCount = 0;
        m_offsetKnown = false;
    } else if (leftOut) {
        return;
    }
    m_readings.push_back(raw);
    if (m_readings.size() > OffsetReadings)
        m_readings.pop_front();
    m_sorted.assign(m_readings.begin(), m_readings.end());
    const auto middle = m_sorted.begin() + qsizetype(m_sorted.size() / 2);
    std::nth_element(m_sorted.begin(), middle, m_sorted.end());
    m_median = *middle;
    if (m_readings.size() >= SettledReadings) {
        m_offset = m_median;
        m_offsetKnown = true;
    }
}

void StreamAligner::pushSecond(const float *samples, qint64 count)
{
    if (count <= 0)
        return;
    m_in.insert(m_in.end(), samples, samples + count);
    m_inEnd += count;
    // What was read (or can no longer be) goes; a second that is not read
    // keeps its latest minute. While the converter fades in, what it fades
    // from is still read.
    const qint64 readFrom = m_converting && m_fadeLeft == 0 ? m_fed : std::min(m_fed, m_direct);
    const qint64 keepFrom = m_reading ? (m_converting ? readFrom : m_direct) - ConverterLead : m_inEnd - 60LL * m_rate;
    if (keepFrom - m_inStart > m_rate) {
        m_in.erase(m_in.begin(), m_in.begin() + (keepFrom - m_inStart));
        m_inStart = keepFrom;
    }
}

void StreamAligner::skipFirst(qint64 frames)
{
    m_done += std::max<qint64>(frames, 0);
}

double StreamAligner::lag() const
{
    return m_reading ? nextPlace() - wanted() : 0.0;
}

void StreamAligner::resync(double at)
{
    m_direct = std::max(m_inStart, qint64(std::llround(at)));
    m_converting = false;
    m_ready.clear();
    m_reading = true;
}

// Reading through the converter from where reading frame for frame stands:
// it is fed from a little before, and what comes out for frames before that
// place is dropped.
void StreamAligner::startConverting()
{
    const qint64 from = std::max(m_inStart, m_direct - ConverterLead);
    soxr_clear(m_soxr);
    m_ratio = 1.0;
    soxr_set_io_ratio(m_soxr, m_ratio, 0);
    m_fed = from;
    m_converted = double(from - ConverterDelay);
    m_skipOut = m_direct - from + ConverterDelay;
    m_ready.clear();
    m_converting = true;
    m_fadeLeft = Fade;
}

void StreamAligner::convert(qint64 frames)
{
    std::vector<float> out;
    while (qint64(m_ready.size()) < frames && m_fed < m_inEnd) {
        const qint64 n = std::min(Chunk, m_inEnd - m_fed);
        out.resize(size_t(2 * n + 2 * ConverterLead));
        size_t used = 0, made = 0;
        soxr_process(m_soxr, m_in.data() + (m_fed - m_inStart), size_t(n), &used, out.data(), out.size(), &made);
        m_fed += qint64(used);
        const qint64 skipped = std::min(m_skipOut, qint64(made));
        m_skipOut -= skipped;
        m_ready.insert(m_ready.end(), out.begin() + skipped, out.begin() + qint64(made));
        m_converted += double(made) * m_ratio;
        if (used == 0 && made == 0)
            break;
    }
}

void StreamAligner::dropConverted(qint64 frames, std::vector<float> &out)
{
    out.insert(out.end(), m_ready.begin(), m_ready.begin() + frames);
    m_ready.erase(m_ready.begin(), m_ready.begin() + frames);
    m_done += frames;
}

void StreamAligner::silence(qint64 frames, std::vector<float> &out)
{
    out.insert(out.end(), size_t(frames), 0.0f);
    m_done += frames;
}

void StreamAligner::align(qint64 firstFrames, std::vector<float> &out, bool atEnd)
{
    if (!m_soxr) {   // no converter: the second cannot be placed at all
        silence(std::max<qint64>(firstFrames - m_done, 0), out);
        return;
    }
    const double jump = ResyncMs * m_rate / 1000.0;
    while (m_done < firstFrames) {
        const qint64 n = std::min(Chunk, firstFrames - m_done);
        // Frames that may not wait any longer for the second's sound.
        const bool settling = !m_offsetKnown && m_inEnd > m_inStart;
        const qint64 maxWait = qint64(settling ? SettleWaitMs : MaxWaitMs) * m_rate / 1000;
        const qint64 due = atEnd ? n : std::min(n, firstFrames - m_done - maxWait);
        if (!m_offsetKnown) {
            if (due <= 0)
                return;
            silence(due, out);
            continue;
        }
        const double want = wanted();
        if (m_reading && std::abs(want - nextPlace()) > jump)
            m_reading = false;
        if (!m_reading) {
            if (want + 1 <= double(m_inStart)) {
                // Before the second's first sound (or long gone): silence up to it.
                silence(std::min(n, qint64(std::ceil(double(m_inStart) - want))), out);
                continue;
            }
            const bool arrived = want + double(n + ConverterLead) <= double(m_inEnd) || (atEnd && want < double(m_inEnd));
            if (!arrived) {
                if (due <= 0)
                    return;
                silence(due, out);
                continue;
            }
            resync(want);
        }

        // Two streams on one clock: frame for frame, as long as they stay in step.
        if (!m_converting && std::abs(want - double(m_direct)) > CorrectFromMs * m_rate / 1000)
            startConverting();
        if (!m_converting) {
            const qint64 have = std::min(n, m_inEnd - m_direct);
            if (have < n && due <= 0)
                return;
            out.insert(out.end(), m_in.begin() + (m_direct - m_inStart), m_in.begin() + (m_direct - m_inStart + have));
            m_direct += have;
            m_done += have;
            if (have < n) {   // the second's sound ends here for now
                m_reading = false;
                if (const qint64 rest = due - have; rest > 0)
                    silence(rest, out);
            }
            continue;
        }

        // Read a little faster where the second's place is ahead.
        const double ratio = 1.0 + std::clamp((want - nextPlace()) / (m_rate * CorrectionSeconds), -MaxAdjust, MaxAdjust);
        if (ratio != m_ratio) {
            m_ratio = ratio;
            soxr_set_io_ratio(m_soxr, m_ratio, size_t(Chunk));
        }
        convert(n);
        if (qint64(m_ready.size()) >= n) {
            // Fading in from what was read frame for frame.
            for (qint64 i = 0; i < n && m_fadeLeft > 0 && m_direct < m_inEnd; ++i, --m_fadeLeft, ++m_direct) {
                const float w = float(Fade - m_fadeLeft) / Fade;
                m_ready[size_t(i)] = w * m_ready[size_t(i)] + (1 - w) * m_in[size_t(m_direct - m_inStart)];
            }
            dropConverted(n, out);
            continue;
        }
        // The second's sound ends here for now (an application stopped, or
        // it is late): what the converter still holds, then silence.
        if (due <= 0)
            return;
        std::vector<float> tail(size_t(4 * ConverterLead));
        size_t made = 0;
        soxr_process(m_soxr, nullptr, 0, nullptr, tail.data(), tail.size(), &made);
        m_ready.insert(m_ready.end(), tail.begin(), tail.begin() + qint64(made));
        const qint64 converted = std::min<qint64>(n, qint64(m_ready.size()));
        dropConverted(converted, out);
        m_ready.clear();
        m_reading = false;
        if (const qint64 rest = due - converted; rest > 0)
            silence(rest, out);
    }
}
