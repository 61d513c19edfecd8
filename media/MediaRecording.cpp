#include "media/MediaRecording.h"

#include "media/MediaLead.h"
#include "media/MediaPlayer.h"
#include "media/MediaTake.h"

#include <QTimer>

#include <cmath>
#include <limits>

// "Start recording when media file starts" starts a recording when the player
// starts from a standstill, "Stop recording when media file stops" ends it
// when the media ends or the player is stopped; both through the Record and
// Stop buttons' own handlers. What of the capture is the media's is
// MediaTake's to decide (the take hands every captured piece through it);
// how it finds the media's first and last sample is told in MediaTake.h.
//
// A recording started by hand is left as it is by a start of the media, and
// ended by its end (the Stop option) after the tail. A recording that began
// with the media pauses when the media pauses (the Pause button's own path,
// after the media's last sample before the pause) and goes on when it does,
// from its first sound.

namespace {
// The longest a recording waits for the media's last sample once the media
// has ended: far beyond the tail, for a capture that has stopped delivering.
constexpr int TakeDeadlineMs = 2000;
} // namespace

MediaRecording::NotForRecording::NotForRecording(MediaRecording &owner, bool notForRecording)
    : m_owner(&owner), m_before(owner.m_playingNotForRecording)
{
    owner.m_playingNotForRecording = notForRecording;
}

MediaRecording::NotForRecording::~NotForRecording()
{
    if (m_owner)
        m_owner->m_playingNotForRecording = m_before;
}

MediaRecording::MediaRecording(MediaPlayer &player, std::function<WaveFormat()> format, Console console,
                               QObject *parent)
    : QObject(parent), m_player(player), m_format(std::move(format)), m_console(std::move(console))
{
    m_mediaTake = std::make_unique<MediaTake>([this] { return recordingFormat(); });
    // Queued: it comes from inside the writing of a captured piece.
    connect(m_mediaTake.get(), &MediaTake::completed, this, &MediaRecording::mediaTakeComplete, Qt::QueuedConnection);
    m_takeDeadline = new QTimer(this);
    m_takeDeadline->setSingleShot(true);
    connect(m_takeDeadline, &QTimer::timeout, this, &MediaRecording::endMediaTakeNow);
    m_player.setPlaybackListener([this](const PlaybackNews &news) { onPlayback(news); });
}

MediaRecording::~MediaRecording()
{
    m_player.setPlaybackListener({});
}

TakeFilter *MediaRecording::filter() const
{
    return m_mediaTake.get();
}

WaveFormat MediaRecording::recordingFormat() const
{
    return m_format ? m_format() : WaveFormat{0, 0, 0};
}

void MediaRecording::setTake(Take *take)
{
    m_take = take;
}

void MediaRecording::setAutoStart(bool on)
{
    m_autoStart = on;
}

void MediaRecording::setAutoStop(bool on)
{
    m_autoStop = on;
    // While a recording may end with the media, silence at its end waits to
    // be followed by sound before it is written (see MediaTake.h).
    m_mediaTake->setHoldSilence(on);
}

MediaRecording::NotForRecording MediaRecording::playingNotForRecording(bool notForRecording)
{
    return NotForRecording(*this, notForRecording);
}

void MediaRecording::onPlayback(const PlaybackNews &news)
{
    using Kind = PlaybackNews::Kind;
    switch (news.kind) {
    case Kind::Starting:
        if (!m_autoStart || m_playingNotForRecording)
            return;
        // The media played before may still be waiting for its tail: that
        // recording ends now, with what it has.
        if (m_mediaTake->ending() || m_mediaTake->isComplete())
            endMediaTakeNow();
        if (isPaused() && m_mediaTake->isPausedWithMedia()) {
            m_console.record();   // on with the recording that paused with the media
        } else if (isRecording()) {
            return;   // the user's own recording goes on as it is
        } else {
            m_console.record();   // all of Record: its checks, its questions
            if (!isRecording())
                return;
        }
        m_mediaTake->beginWithMedia(news.fromMs);
        findMediaLead(news);
        return;
    case Kind::Paused:
        if (m_mediaTake->byMedia() && isRecording() && !isPaused() && !m_mediaTake->ending()) {
            m_mediaTake->pauseWithMedia();
            passCapturedNow();
            m_takeDeadline->start(TakeDeadlineMs);
        }
        return;
    case Kind::Resumed:
        if (m_mediaTake->ending() && m_mediaTake->endKind() == MediaTake::End::Pause) {
            m_mediaTake->cancelPause();
            m_takeDeadline->stop();
        } else if (isPaused() && m_mediaTake->isPausedWithMedia()) {
            m_console.record();
            m_mediaTake->resumeAtSound();
        }
        return;
    case Kind::Jumped:
        m_mediaTake->setInexact();
        return;
    case Kind::Finished:
    case Kind::Stopped:
        delete m_mediaLead;
        if (!m_autoStop || !isRecording())
            return;
        if (isPaused()) {
            m_console.stop();   // nothing reaches the file while paused: stop at once
            return;
        }
        m_mediaTake->endWithMedia(news.kind == Kind::Finished, news.durationMs);
        passCapturedNow();
        m_takeDeadline->start(TakeDeadlineMs);
        return;
    }
}

void MediaRecording::findMediaLead(const PlaybackNews &news)
{
    delete m_mediaLead;
    const WaveFormat format = recordingFormat();
    // A sample quieter than half a step of the recording's sample size, at
    // the player's volume, leaves only zeros in the capture; a float capture
    // keeps everything but zero.
    const double gain = MediaPlayer::linearGain(m_player.outputVolume());
    const double step = format.isFloat() ? double(std::numeric_limits<float>::denorm_min())
                                         : std::ldexp(1.0, 1 - format.bitsPerSample);
    const double quietest = gain > 0 ? 0.5 * step / gain : 0;
    auto *lead = new MediaLead(news.media, news.fromMs, quietest, this);
    m_mediaLead = lead;
    MediaTake *take = m_mediaTake.get();
    const qint32 rate = format.sampleRate;
    connect(lead, &MediaLead::found, take, [take, rate](qint64 us) { take->setMediaLead(std::llround(us * rate / 1e6)); });
    connect(lead, &MediaLead::failed, take, [take] { take->setMediaLead(0); });
    connect(lead, &MediaLead::found, lead, &QObject::deleteLater);
    connect(lead, &MediaLead::failed, lead, &QObject::deleteLater);
}

void MediaRecording::passCapturedNow()
{
    // What the recorder holds goes through the take now, not at the next
    // Timer event: the take counts its tail from here.
    if (!isRecording() || isPaused())
        return;
    m_take->writeCapturedNow();
}

void MediaRecording::mediaTakeComplete()
{
    m_takeDeadline->stop();
    if (!isRecording() || !m_mediaTake->isComplete())
        return;
    if (m_mediaTake->endKind() == MediaTake::End::Stop) {
        m_console.stop();
        return;
    }
    if (!isPaused())
        m_console.pause();   // the take passes nothing more until it is paused
    m_mediaTake->pausedWithMedia();
}

void MediaRecording::endMediaTakeNow()
{
    m_takeDeadline->stop();
    if (!isRecording() || !(m_mediaTake->ending() || m_mediaTake->isComplete()))
        return;
    if (m_mediaTake->ending() && m_mediaTake->endKind() == MediaTake::End::Stop) {
        m_console.stop();   // the take keeps what its end rule keeps
        return;
    }
    m_mediaTake->endNow();   // a pause: what came after the last sound is dropped
    mediaTakeComplete();
}
