#pragma once

#include <QtGlobal>

#include <deque>

// What a record stream never received although the sound server's clock ran
// on: the server stalled and caught up only partly (PulseAudio drops what no
// longer fits its queue), or skipped the time outright (PipeWire).
//
// Fed on the capture's own thread with the server's timing reports: at the
// server's time T, it had produced P of the stream's sound (what it wrote
// into the stream plus what still sits in the device). T - P stays constant
// while nothing is lost; it grows by exactly what went missing. A server that
// stalls and then makes good every sample (PulseAudio after a short stop)
// grows it only while it catches up, which is why a loss is only counted
// from reports made once the server runs normally again, against the lowest
// value before the stall (a report may lag its server by a period).
//
// Positions are frames of the recording kept so far. A loss found a second
// after the stall is placed where the sound is missing from the recording:
// after what the server held back and delivered late, since that came
// faster than it is made, and sound that comes at its own pace is live.
//
// A server may also throw sound away that it had (PipeWire's pulse server,
// when the client did not read for longer than its buffer holds, keeps only
// the latest fragment). Its read position then runs ahead of what the client
// received, by exactly what was thrown away.
//
// The server's word is held to what our own clock saw: no more can be missing
// than the time since the first sound less the sound that came. PipeWire's
// pulse server, after a stop, may report itself behind by more than it failed
// to deliver (seen: 1.1 s told, 0.4 s missing).
class StallMeter
{
public:
    explicit StallMeter(int rate) : m_rate(rate) {}

    // Sound arrived at nowUs (any steady clock) with `position` frames kept
    // before it. A long wait before it marks a stall at that position.
    void noteArrival(qint64 nowUs, qint64 position);
    // A timing report: the server's time, the sound it had produced for the
    // stream by then, the part of that still in the device (high while the
    // server catches up), and the frames kept when the report arrived.
    void noteReport(qint64 serverUs, qint64 producedUs, qint64 deviceUs, qint64 position);
    // How far, in frames, the server's read position has run ahead of what
    // was received, in all (a report's figure, before noteReport).
    void noteServerSkipped(qint64 frames);

    // The players of what the stream records stood still through the stall
    // under way (PipeWire's whole graph stood, or its pulse server with every
    // player of its own): the time they stood is no sound missing (what the
    // server threw away still is).
    void notePlayersStoodStill();

    // From the first sign of a stall until the reports after it settle it:
    // more reports are wanted then (a loss is told after After of them).
    bool settling() const { return m_inStall; }

    qint64 lostFrames() const { return m_lostFrames; }
    // Where the latest loss began; -1 before the first.
    qint64 lossAt() const { return m_lossAt; }

    static constexpr qint64 StallUs = 250'000;       // no sound this long: a stall
    static constexpr qint64 CatchingUpUs = 250'000;  // this much in the device: still catching up
    static constexpr qint64 LeastLossUs = 50'000;    // below this: the reports' own jitter (a period)
    static constexpr int Before = 8;                 // normal reports the floor is taken from
    static constexpr int After = 4;                  // normal reports that settle a stall

private:
    void markStall(qint64 position, qint64 nowUs);
    void addLoss(qint64 frames, qint64 at);
    // Where the sound missing after the stall being settled belongs.
    qint64 lossPosition() const;
    static qint64 lowest(const std::deque<qint64> &values);

    // The most that can be missing by our clock, in frames.
    qint64 missingByArrivals() const;

    int m_rate;
    qint64 m_firstArrivalUs = -1, m_firstPosition = 0;
    qint64 m_lastArrivalUs = -1, m_lastPosition = 0;
    std::deque<qint64> m_before;   // T - P of the latest normal reports
    std::deque<qint64> m_after;    // ... since the stall being settled
    bool m_inStall = false;
    qint64 m_stallAt = 0;
    qint64 m_stallSeenUs = -1;         // when the sound came back; -1: not yet
    qint64 m_skippedBase = -1, m_skipped = 0;
    qint64 m_skippedInStall = 0;       // placed when the stall settles
    bool m_playersStill = false;         // its players stood still through the stall being settled
    qint64 m_lostFrames = 0;
    qint64 m_lossAt = -1;
};
