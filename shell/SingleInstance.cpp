#include "shell/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr char Request[] = "come forward\n";

} // namespace

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/tarvell-recorder.lock");
}

QString SingleInstance::socketPath() const
{
    return m_path + QStringLiteral(".socket");
}

bool SingleInstance::tryAcquire(const QString &path)
{
    m_path = path.isEmpty() ? defaultLockPath() : path;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Age alone never makes a lock stale; QLockFile still takes over a lock
    // whose owner process no longer exists.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        return false;

    // Whatever socket is there was left by an instance that is gone: the lock is ours.
    QLocalServer::removeServer(socketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->canReadLine() && socket->readLine() == Request)
                    emit comeForward();
                socket->disconnectFromServer();
            });
        }
    });
    // Without the socket the program still runs; a second start then only ends.
    m_server->listen(socketPath());
    return true;
}

bool SingleInstance::askToComeForward(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(Request);
    return socket.waitForBytesWritten(timeoutMs);
}
