#pragma once

#include "engine/DeviceMap.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/thread-mainloop.h>

// The connection to the sound server. It owns the PulseAudio threaded main
// loop (one thread of its own) and keeps a copy of the server's cards, sinks
// and sources that the user-interface thread reads without waiting.
//
// The connection comes back by itself: when the server goes away the state
// empties, connectionLost() is emitted, and a new context waits for the server
// to reappear.
class PulseServer : public QObject
{
    Q_OBJECT
public:
    explicit PulseServer(QObject *parent = nullptr);
    ~PulseServer() override;

    // Waits until the first copy of the server's state has arrived.
    bool waitUntilReady(int timeoutMs);

    bool isConnected() const { return m_connected; }
    const ServerState &state() const { return m_state; }

    // Sets a source's channel volumes or active port and waits (at most
    // timeoutMs) for the server's answer. Returns false with a reason on failure.
    bool setSourceVolume(const QString &source, const pa_cvolume &volume, QString *error, int timeoutMs = 1000);
    bool setSourcePort(const QString &source, const QString &port, QString *error, int timeoutMs = 1000);

    // For streams: the loop, and the context (use only while holding Lock).
    pa_threaded_mainloop *mainloop() const { return m_loop; }
    pa_context *context() const { return m_context; }

    // Holds the main loop's lock for a scope. Never wait for the server while
    // holding it: the loop thread needs the lock to answer.
    class Lock
    {
    public:
        explicit Lock(const PulseServer &s) : m_loop(s.m_loop) { pa_threaded_mainloop_lock(m_loop); }
        ~Lock() { pa_threaded_mainloop_unlock(m_loop); }
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;

    private:
        pa_threaded_mainloop *m_loop;
    };

signals:
    // A new copy of the server's state is in state().
    void stateChanged();
    void connectionLost(const QString &reason);

private:
    struct Snapshot;
    class Waiter;

    void connectContext();            // loop thread or locked
    void requestRefresh();            // loop thread
    void publishSnapshot(Snapshot *); // loop thread -> user-interface thread
    bool runRequest(int timeoutMs, QString *error, const QString &refusal,
                    const std::function<pa_operation *(pa_context *, Waiter *)> &issue);

    static void onContextState(pa_context *c, void *self);
    static void onSubscription(pa_context *c, pa_subscription_event_type_t t, uint32_t idx, void *self);

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;       // touched only under the loop lock
    Snapshot *m_building = nullptr;        // loop thread only
    bool m_refreshAgain = false;           // loop thread only
    quint64 m_serial = 0;                  // loop thread only
    std::atomic<quint64> m_writes{0};      // our own changes completed so far

    // Hand-off of the first snapshot to a waiting constructor.
    std::mutex m_readyMutex;
    std::condition_variable m_readyCond;
    bool m_ready = false;
    ServerState m_readyState;
    quint64 m_readySerial = 0;

    // User-interface thread.
    bool m_connected = false;
    bool m_reconnectPending = false;
    quint64 m_appliedSerial = 0;
    ServerState m_state;
};
