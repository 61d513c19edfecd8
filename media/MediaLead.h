#pragma once

#include <QObject>

class QAudioDecoder;

// How long a media file is silent at its start, from a position on: found by
// decoding it with Qt Multimedia's decoder (the GStreamer decoders the player
// plays it with) up to its first sample of sound. Answers once, with found()
// or failed(), then stops decoding. Local files only: an address fails at
// once (its second download could differ, a live stream never ends).
class MediaLead : public QObject
{
    Q_OBJECT
public:
    // quietest: the smallest magnitude (full scale 1.0) that counts as sound.
    MediaLead(const QString &media, qint64 fromMs, double quietest, QObject *parent = nullptr);
    ~MediaLead() override;

    // No sound within this much of the media: it is taken as unknown (and a
    // recording then begins with the first sound it hears).
    static constexpr qint64 SearchLimitMs = 60 * 1000;

signals:
    void found(qint64 silentUs);
    void failed();

private:
    void onBuffer();
    void answer(qint64 silentUs);

    QAudioDecoder *m_decoder = nullptr;
    qint64 m_fromUs = 0;
    double m_quietest = 0;
    qint64 m_decodedFrames = 0;
    bool m_answered = false;
};
