#include "media/AddressProbe.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

bool AddressProbe::canAsk(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

AddressProbe::AddressProbe(const QUrl &url, QObject *parent)
    : QObject(parent), m_url(url), m_network(new QNetworkAccessManager(this))
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(TimeoutMs);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &AddressProbe::onHeaders);
    connect(m_reply, &QNetworkReply::finished, this, &AddressProbe::onFinished);
}

void AddressProbe::onHeaders()
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 0 || (status >= 300 && status < 400))
        return;   // a redirect is followed; its target answers in turn
    if (status == 404 || status == 410)
        answer(tr("not found on the server (HTTP %1)").arg(status));
    else if (status >= 400)
        answer(tr("the server refused it (HTTP %1)").arg(status));
    else if (const QString type = m_reply->header(QNetworkRequest::ContentTypeHeader).toString().toLower();
             type.startsWith(QLatin1String("text/")))
        answer(tr("not a media stream: the server sends %1").arg(type.section(QLatin1Char(';'), 0, 0).trimmed()));
    else
        answer(QString());   // it may well be media: the player's reason stands
}

void AddressProbe::onFinished()
{
    if (m_answered)
        return;
    const QString where = m_url.port() >= 0 ? QStringLiteral("%1:%2").arg(m_url.host()).arg(m_url.port()) : m_url.host();
    switch (m_reply->error()) {
    case QNetworkReply::NoError:
        onHeaders();
        if (!m_answered)
            answer(QString());
        return;
    case QNetworkReply::ConnectionRefusedError:
        answer(tr("the connection was refused: nothing answers at %1").arg(where));
        return;
    case QNetworkReply::HostNotFoundError:
        answer(tr("the host %1 was not found").arg(m_url.host()));
        return;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        answer(tr("the server at %1 does not answer").arg(where));
        return;
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::ContentGoneError:
        answer(tr("not found on the server (HTTP %1)")
                   .arg(m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()));
        return;
    default:
        answer(m_reply->errorString());
        return;
    }
}

void AddressProbe::answer(const QString &reason)
{
    if (m_answered)
        return;
    m_answered = true;
    // What the server sends after its answer is not needed.
    m_reply->disconnect(this);
    m_reply->abort();
    emit answered(reason);
}
