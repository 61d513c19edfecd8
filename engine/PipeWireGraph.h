#pragma once

#include <QtGlobal>

#include <chrono>
#include <memory>
#include <mutex>
#include <unordered_map>

// What PipeWire's graph knows and its pulse server does not tell: which
// nodes drive a graph, and how long a cycle of each graph is.
//
// A sink that drives its graph mixes what its players sent at the end of a
// cycle and writes its monitor then, so whoever records the monitor gets that
// sound in the next cycle: one cycle after a recorder that takes a player's
// own stream, and the pulse server reports no latency for it. A sink that
// follows another driver is written in the cycle itself.
//
// Watching the cycles means listening to the daemon's profiler on a thread
// of our own, which costs the daemon and us a little for as long as it lives:
// done only while two captures are put in step.
//
// It also tells whether the daemon itself runs: when a pulse stream brings
// nothing, either the pulse server alone stands still (the graph runs on, and
// what it plays is lost to us, but for the pulse server's own clients, which
// stand still with it) or the whole graph does, and with it every player on
// it (nothing is played, so nothing is lost).
class PipeWireGraph
{
public:
    // Connected to this session's PipeWire; nullptr when there is none (or,
    // watching the cycles, it offers no profiler).
    static std::unique_ptr<PipeWireGraph> connect(bool watchCycles = true);
    ~PipeWireGraph();
    PipeWireGraph(const PipeWireGraph &) = delete;
    PipeWireGraph &operator=(const PipeWireGraph &) = delete;

    // Whether the profiler has reported a cycle yet (it reports about once a
    // second). Thread-safe.
    bool heard() const;
    // The length of a cycle of the graph the node (its object.id) drives, in
    // microseconds; 0 when it has driven none lately. Thread-safe.
    qint64 cycleUsDrivenBy(quint32 node) const;

    // Asks the daemon for an answer (a round trip); answeredWithin() tells
    // whether it came that soon after this. Thread-safe.
    void askAlive();
    bool answeredWithin(std::chrono::milliseconds soon) const;

private:
    PipeWireGraph();
    // From the connection's thread: one profiler report's cycle (the
    // driver's node, its cycle in frames at a rate), and a round trip's answer.
    void noteCycle(quint32 driver, qint64 frames, qint32 rate);
    void noteAnswer(int seq);
    struct Native;
    std::unique_ptr<Native> m_native;

    struct Driven
    {
        qint64 cycleUs = 0;
        std::chrono::steady_clock::time_point seen;
    };
    mutable std::mutex m_mutex;
    std::unordered_map<quint32, Driven> m_drivers;
    bool m_heard = false;
    int m_asked = -1;   // the round trip's sequence number
    std::chrono::steady_clock::time_point m_askedAt, m_answeredAt;
    bool m_answered = false;
};
