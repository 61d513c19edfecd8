#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// Tells whether another instance of the program is running. The lock is a
// file holding the owner's PID; a lock left by an instance that crashed is
// recognised as stale and taken over.
//
// The instance that holds the lock also listens on a local socket beside it:
// a second start that finds the lock taken asks it, through that socket, to
// come forward (askToComeForward), and the first hears comeForward().
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    ~SingleInstance() override;
    // path empty: a per-user lock file in the runtime (or temporary) folder.
    bool tryAcquire(const QString &path = QString());
    bool isHeld() const { return m_lock && m_lock->isLocked(); }
    static QString defaultLockPath();
    // For an instance that did not get the lock: asks the one that holds it
    // to show itself. Waits at most timeoutMs; false when nobody answered.
    bool askToComeForward(int timeoutMs = 1000);

signals:
    void comeForward();

private:
    QString socketPath() const;

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
