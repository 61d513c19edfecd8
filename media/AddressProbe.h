#pragma once

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Asks an http(s) address once, by itself, why it cannot be played: the
// media backend's own words depend on which GStreamer and libsoup are
// installed ("Internal data stream error." says nothing). The answer is
// found as soon as the server's first reply (or its refusal) comes, and
// within TimeoutMs at most.
class AddressProbe : public QObject
{
    Q_OBJECT
public:
    static constexpr int TimeoutMs = 3000;

    // Whether the address is one this can ask (http or https).
    static bool canAsk(const QUrl &url);

    explicit AddressProbe(const QUrl &url, QObject *parent = nullptr);

signals:
    // Why it cannot be played, in a user's words ("the connection was
    // refused...", "not found on the server (HTTP 404)", "not a media
    // stream..."); empty when the address answers with something that may
    // well be media, so the backend's reason stands.
    void answered(const QString &reason);

private:
    void onHeaders();
    void onFinished();
    void answer(const QString &reason);

    QUrl m_url;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    bool m_answered = false;
};
