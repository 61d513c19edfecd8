#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Tells whether another instance of the program is running. The lock is a
// file holding the owner's PID; a lock left by an instance that crashed is
// recognised as stale and taken over.
class SingleInstance
{
public:
    // path empty: a per-user lock file in the runtime (or temporary) folder.
    bool tryAcquire(const QString &path = QString());
    bool isHeld() const { return m_lock && m_lock->isLocked(); }
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
