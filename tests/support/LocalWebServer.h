#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

// A web server on 127.0.0.1 inside the test: serves one body to every
// request, or takes requests and never answers.
class LocalWebServer
{
public:
    explicit LocalWebServer(const QByteArray &body, bool answer = true,
                            const QByteArray &contentType = QByteArrayLiteral("audio/x-wav"))
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this, body, answer, contentType] {
            QTcpSocket *s = m_server.nextPendingConnection();
            ++m_requests;
            QObject::connect(s, &QTcpSocket::readyRead, s, [s, body, answer, contentType] {
                if (answer && s->readAll().contains("\r\n\r\n")) {
                    s->write("HTTP/1.0 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: "
                             + QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    s->disconnectFromHost();
                }
            });
        });
        m_server.listen(QHostAddress::LocalHost);
    }
    QString url(const char *name) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server.serverPort()).arg(QLatin1String(name));
    }
    int requests() const { return m_requests; }

private:
    QTcpServer m_server;
    int m_requests = 0;
};
