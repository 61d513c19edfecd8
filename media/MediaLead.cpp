#include "media/MediaLead.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <utility>

MediaLead::MediaLead(const QString &media, qint64 fromMs, double quietest, QObject *parent)
    : QObject(parent), m_fromUs(std::max<qint64>(fromMs, 0) * 1000), m_quietest(quietest)
{
    // The same reading of the name as the player's: a path that exists is a file.
    const QString name = media.trimmed();
    const QUrl url = QFileInfo::exists(name) ? QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath())
                                             : QUrl::fromUserInput(name);
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile() || !(quietest > 0)) {
        QTimer::singleShot(0, this, [this] { answer(-1); });
        return;
    }
    m_decoder = new QAudioDecoder(this);
    connect(m_decoder, &QAudioDecoder::bufferReady, this, &MediaLead::onBuffer);
    connect(m_decoder, &QAudioDecoder::finished, this, [this] { answer(-1); });
    connect(m_decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this, [this] { answer(-1); });
    m_decoder->setSource(url);
    m_decoder->start();
}

MediaLead::~MediaLead()
{
    if (m_decoder)
        m_decoder->stop();
}

void MediaLead::onBuffer()
{
    while (!m_answered && m_decoder->bufferAvailable()) {
        const QAudioBuffer buffer = m_decoder->read();
        const QAudioFormat format = buffer.format();
        const int channels = format.channelCount();
        const int rate = format.sampleRate();
        const int sampleBytes = format.bytesPerSample();
        if (!buffer.isValid() || channels <= 0 || rate <= 0 || sampleBytes <= 0)
            continue;
        // The buffer's own time when it has one, else counted from the start.
        const qint64 startUs = buffer.startTime() >= 0 ? buffer.startTime() : m_decodedFrames * 1000000 / rate;
        const qint64 count = buffer.frameCount();
        m_decodedFrames += count;
        const char *data = buffer.constData<char>();
        for (qint64 i = 0; i < count; ++i) {
            const qint64 atUs = startUs + i * 1000000 / rate;
            if (atUs < m_fromUs)
                continue;
            for (int c = 0; c < channels; ++c) {
                const float v = format.normalizedSampleValue(data + (i * channels + c) * sampleBytes);
                if (std::abs(v) >= m_quietest) {
                    answer(atUs - m_fromUs);
                    return;
                }
            }
            if (atUs - m_fromUs > SearchLimitMs * 1000) {
                answer(-1);
                return;
            }
        }
    }
}

void MediaLead::answer(qint64 silentUs)
{
    if (std::exchange(m_answered, true))
        return;
    if (m_decoder)
        m_decoder->stop();
    if (silentUs >= 0)
        emit found(silentUs);
    else
        emit failed();
}
