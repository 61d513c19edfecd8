#include "shell/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/tarvell-recorder.lock");
}

bool SingleInstance::tryAcquire(const QString &path)
{
    m_lock = std::make_unique<QLockFile>(path.isEmpty() ? defaultLockPath() : path);
    // Age alone never makes a lock stale; QLockFile still takes over a lock
    // whose owner process no longer exists.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
