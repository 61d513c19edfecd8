#pragma once

#include <QtGlobal>

#include <deque>
#include <vector>

struct soxr;

// Puts a second stream of sound in step with a first one, frame for frame,
// when the two come from different sources: each with its own latency, and
// perhaps each on its own device's clock.
//
// Both streams are mono floats at one nominal rate, their frames numbered
// from 0 as they were captured. Each stream's clock says now and then that
// its frame F was captured at time T (one clock for both, in microseconds);
// from the latest of each, the aligner knows which frame of the second was
// captured at the moment of any frame of the first. It hands out the second's
// sound for the first's frames in order, read through libsoxr's variable-rate
// converter whose ratio follows that place: two devices that drift apart by
// hundreds of parts per million stay within a few milliseconds, with no jump.
// A place that moves by more than ResyncMs at once (a new stream of an
// application, a pause) is jumped to.
//
// Where the second has no sound for a frame of the first (it started later,
// it waits for an application, its clock is not known yet), that frame gets
// silence, once the first is MaxWaitMs ahead or at the end; until then the
// first waits for the second's sound to arrive. A second whose sound comes
// but whose place is not known yet (its first clock readings, or a stream
// that started again) is waited for up to SettleWaitMs: on a busy machine its
// readings come late.
class StreamAligner
{
public:
    static constexpr int ResyncMs = 50;
    static constexpr int MaxWaitMs = 1000;
    static constexpr int SettleWaitMs = 4000;
    // Two streams on one clock are read frame for frame, bit for bit; once
    // they are further apart than this, through the converter, which makes
    // the difference good...
    static constexpr double CorrectFromMs = 2.0;
    // ...over about this long...
    static constexpr double CorrectionSeconds = 4.0;
    // ...by reading the second at most this much faster or slower.
    static constexpr double MaxAdjust = 0.005;

    explicit StreamAligner(int rate);
    ~StreamAligner();
    StreamAligner(const StreamAligner &) = delete;
    StreamAligner &operator=(const StreamAligner &) = delete;

    // Frame `frame` of the stream was captured at `us`.
    void noteFirstClock(qint64 frame, qint64 us);
    void noteSecondClock(qint64 frame, qint64 us);
    // The second's next frames, in order.
    void pushSecond(const float *samples, qint64 count);
    // The second's frames received so far.
    qint64 secondFrames() const { return m_inEnd; }

    // The second's sound for the first's frames from done() on, up to
    // firstFrames (the first's frames received so far) or as far as it can
    // be known now, appended to out. atEnd: nothing more will come; every
    // frame gets its sound (or silence).
    void align(qint64 firstFrames, std::vector<float> &out, bool atEnd = false);
    // The first's frames handed out for.
    qint64 done() const { return m_done; }
    // The first's next frames will not be asked for.
    void skipFirst(qint64 frames);

    // Where the second is read for the first's next frame, against where it
    // should be, in frames (0: in step); 0 while not reading.
    double lag() const;

private:
    void noteOffset();
    // Starts reading the second at frame `at` (a jump: the converter starts afresh).
    void resync(double at);
    // Converts what the second has from m_fed on until `frames` are ready.
    void convert(qint64 frames);
    void dropConverted(qint64 frames, std::vector<float> &out);
    void silence(qint64 frames, std::vector<float> &out);
    double wanted() const { return double(m_done) + m_offset; }
    double nextPlace() const { return m_converting ? m_converted - double(m_ready.size()) * m_ratio : double(m_direct); }
    void startConverting();

    int m_rate;
    soxr *m_soxr = nullptr;

    bool m_firstClock = false, m_secondClock = false;
    qint64 m_firstFrame = 0, m_firstUs = 0;
    qint64 m_secondFrame = 0, m_secondUs = 0;
    bool m_offsetKnown = false;
    double m_offset = 0;   // the second's frame minus the first's, captured at one moment
    std::deque<double> m_readings;   // the offset as the latest clock readings gave it
    double m_median = 0;             // theirs
    std::deque<bool> m_leftOut;      // whether each of the latest readings was left out
    size_t m_leftOutCount = 0;
    std::vector<double> m_sorted;

    std::vector<float> m_in;   // the second's frames from m_inStart on
    qint64 m_inStart = 0;
    qint64 m_inEnd = 0;

    bool m_reading = false;
    bool m_converting = false;   // through the converter; else frame for frame
    qint64 m_direct = 0;       // the second's next frame read frame for frame (or faded from)
    qint64 m_fadeLeft = 0;
    qint64 m_fed = 0;          // the second's next frame into the converter
    qint64 m_skipOut = 0;      // what comes out of the converter for frames already read
    double m_converted = 0;    // the second's place just past what came out
    double m_ratio = 1.0;
    std::vector<float> m_ready;   // converted, not handed out
    qint64 m_done = 0;
};
