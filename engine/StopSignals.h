#pragma once

#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <initializer_list>

// Signals that ask a headless tool to stop (Ctrl+C, SIGTERM...) brought into
// the event loop: the handler only writes a byte to a pipe, and the loop
// emits caught(). Waiting for them costs no wake-ups. One at a time.
class StopSignals : public QObject
{
    Q_OBJECT
public:
    explicit StopSignals(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~StopSignals() override;

    // Empty when the signals are caught; else why they are not.
    QString error() const { return m_error; }

signals:
    void caught();

private:
    QString m_error;
    QList<int> m_signals;
    QSocketNotifier *m_notifier = nullptr;
};
