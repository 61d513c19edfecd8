#include "media/MediaPlayerWidget.h"

#include "media/AddressProbe.h"
#include "media/AudioSinkFixes.h"
#include "media/MediaDisplayArea.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVideoSink>
#include <QVideoWidget>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

QToolButton *transportButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &tip)
{
    auto *b = new QToolButton(parent);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize(QSize(14, 14));
    b->setToolTip(tip);
    b->setAccessibleName(tip);   // the picture alone names nothing
    b->setFocusPolicy(Qt::TabFocus);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return b;
}

QString errorReason(QMediaPlayer::Error error, const QString &text)
{
    if (!text.trimmed().isEmpty())
        return text.trimmed();
    switch (error) {
    case QMediaPlayer::ResourceError: return MediaPlayerWidget::tr("it cannot be read");
    case QMediaPlayer::FormatError: return MediaPlayerWidget::tr("its format is not supported");
    case QMediaPlayer::NetworkError: return MediaPlayerWidget::tr("the network failed");
    case QMediaPlayer::AccessDeniedError: return MediaPlayerWidget::tr("access was denied");
    case QMediaPlayer::NoError: break;
    }
    return MediaPlayerWidget::tr("unknown error");
}

} // namespace

MediaPlayerWidget::MediaPlayerWidget(QWidget *parent)
    : QWidget(parent)
{
    quietGstreamerDeviceProviders();   // before the backend starts its device watch
    m_video = new QVideoWidget;
    m_video->setObjectName(QStringLiteral("video"));
    m_video->setAspectRatioMode(Qt::KeepAspectRatio);
    // Black until the first picture, and around pictures of another shape.
    QPalette black = m_video->palette();
    black.setColor(QPalette::Window, Qt::black);
    m_video->setPalette(black);
    m_video->setAutoFillBackground(true);
    m_panel = new MediaStatusPanel(this);
    m_panel->setObjectName(QStringLiteral("status"));
    m_display = new MediaDisplayArea(m_video, m_panel, this);

    m_playButton = transportButton(this, QStyle::SP_MediaPlay, tr("Play"));
    m_pauseButton = transportButton(this, QStyle::SP_MediaPause, tr("Pause"));
    m_stopButton = transportButton(this, QStyle::SP_MediaStop, tr("Stop"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setToolTip(tr("Position"));
    m_slider->setAccessibleName(tr("Position"));
    m_slider->setRange(0, 0);
    m_slider->setFocusPolicy(Qt::TabFocus);

    auto *controls = new QHBoxLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    controls->setSpacing(1);
    controls->addWidget(m_playButton);
    controls->addWidget(m_pauseButton);
    controls->addWidget(m_stopButton);
    controls->addSpacing(4);
    controls->addWidget(m_slider, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_display, 1);
    layout->addLayout(controls);

    connect(m_playButton, &QToolButton::clicked, this, [this] { Play(); });
    connect(m_pauseButton, &QToolButton::clicked, this, [this] { pause(); });
    connect(m_stopButton, &QToolButton::clicked, this, [this] { HaltPlayback(); });
    connect(m_slider, &QSlider::sliderReleased, this, [this] { seek(m_slider->value()); });
    connect(m_slider, &QSlider::actionTriggered, this, &MediaPlayerWidget::onSliderAction);

    // Queued: Qt 6.4 signals the size while it holds the lock that
    // videoSize() takes.
    connect(m_video->videoSink(), &QVideoSink::videoSizeChanged, m_display, [this] {
        const QSize size = m_video->videoSink()->videoSize();
        if (!size.isEmpty())
            m_display->setVideoAspect(double(size.width()) / size.height());
    }, Qt::QueuedConnection);

    auto *devices = new QMediaDevices(this);
    connect(devices, &QMediaDevices::audioOutputsChanged, this, &MediaPlayerWidget::onOutputsChanged);

    createPlayer();
    refresh();
}

MediaPlayerWidget::~MediaPlayerWidget() = default;

void MediaPlayerWidget::createPlayer()
{
    m_player = new QMediaPlayer(this);
    installAudioSinkFixes();  // before the audio output makes its sink
    m_audio = new QAudioOutput(QMediaDevices::defaultAudioOutput(), m_player);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoOutput(m_video);
    setOutputVolume(m_volume);

    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, &MediaPlayerWidget::onMediaStatus);
    connect(m_player, &QMediaPlayer::playbackStateChanged, this, &MediaPlayerWidget::refresh);
    connect(m_player, &QMediaPlayer::errorOccurred, this, &MediaPlayerWidget::onError);
    connect(m_player, &QMediaPlayer::positionChanged, this, &MediaPlayerWidget::onPosition);
    connect(m_player, &QMediaPlayer::durationChanged, this, &MediaPlayerWidget::onDuration);
    connect(m_player, &QMediaPlayer::seekableChanged, this, [this](bool seekable) {
        m_seekable = m_seekable || seekable;  // kept while the backend lets go of the source
        resumeWhenSeekable();
        refresh();
    });
    connect(m_player, &QMediaPlayer::bufferProgressChanged, this, &MediaPlayerWidget::refresh);
    connect(m_player, &QMediaPlayer::hasVideoChanged, m_display, [this](bool video) {
        m_display->setVideoShown(video);
    });
}

void MediaPlayerWidget::tellEnd(PlaybackNews::Kind kind)
{
    if (!std::exchange(m_toldStart, false))
        return;
    tell({kind, m_name, 0, m_duration});
}

void MediaPlayerWidget::releaseBackend()
{
    if (!m_backendHasSource)
        return;
    tellEnd(PlaybackNews::Kind::Stopped);
    m_backendHasSource = false;
    m_display->setVideoShown(false);
    if (m_player->playbackState() == QMediaPlayer::StoppedState || pipelineSettled()) {
        m_player->setSource(QUrl());
        return;
    }
    // Still opening, or failed while playing: the backend would stop the
    // pipeline first and wait (up to a second, in GStreamer) for a
    // transition that is slow to come or never comes. A player that has
    // never opened anything costs nothing to make; taking down the old
    // one does not wait.
    m_player->disconnect(this);
    delete m_player;  // and its audio output
    createPlayer();
}

QSize MediaPlayerWidget::sizeHint() const
{
    return {416, 71};
}

QSize MediaPlayerWidget::minimumSizeHint() const
{
    const QSize button = m_playButton->sizeHint();
    return {3 * button.width() + 80, button.height() + m_panel->minimumSizeHint().height() + 6};
}

void MediaPlayerWidget::setOutputVolume(qint32 hundredthsOfDb)
{
    m_volume = std::clamp(hundredthsOfDb, kSilentVolume, kFullVolume);
    m_audio->setVolume(float(linearGain(m_volume)));
    applyMute();
}

void MediaPlayerWidget::applyMute()
{
    m_audio->setMuted(m_volume <= kSilentVolume || m_resumeAt >= 0);
}

void MediaPlayerWidget::cancelResume()
{
    if (m_resumeAt >= 0) {
        m_resumeAt = -1;
        applyMute();
    }
}

void MediaPlayerWidget::setMediaFileName(const QString &pathOrUrl)
{
    load(pathOrUrl, m_autoPlay);
}

void MediaPlayerWidget::OpenMedia(const QString &url)
{
    load(url, true);
}

void MediaPlayerWidget::Play()
{
    if (m_url.isEmpty() && !m_loadFailed)
        return;
    const auto state = m_player->playbackState();
    if (m_backendHasSource && !m_loadFailed && state == QMediaPlayer::PlayingState)
        return;
    if (m_backendHasSource && !m_loadFailed && state == QMediaPlayer::PausedState && m_backendHasPlayed) {
        m_player->play();  // on from the pause button
        if (m_toldStart)
            tell({PlaybackNews::Kind::Resumed, m_name, 0, m_duration});
        refresh();
        return;
    }
    // Every start from a standstill opens the media afresh and plays at
    // once. A GStreamer pipeline that prerolled and waited, or was stopped
    // soon after it started, begins up to seconds late and then drops sound
    // to catch up: pulsesink's clock runs on while its stream is corked, and
    // the first samples are placed that far ahead. One started at once does
    // not (measured: about 0.2 s from Play to sound).
    if (m_loadFailed) {
        load(m_name, true);
        return;
    }
    if (m_startAt > 0) {
        m_resumeAt = m_startAt;  // silent until it has jumped there
        applyMute();
    }
    m_startAt = 0;
    startBackend(true);
}

void MediaPlayerWidget::pause()
{
    if (!m_backendHasSource || m_loadFailed)
        return;
    const bool wasPlaying = m_player->playbackState() == QMediaPlayer::PlayingState;
    m_player->pause();
    if (wasPlaying && m_toldStart)
        tell({PlaybackNews::Kind::Paused, m_name, 0, m_duration});
    refresh();
}

void MediaPlayerWidget::seek(qint64 position)
{
    if (m_url.isEmpty() || m_loadFailed)
        return;
    if (m_backendHasSource && m_backendHasPlayed && m_player->playbackState() != QMediaPlayer::StoppedState) {
        m_player->setPosition(position);
        if (m_toldStart)
            tell({PlaybackNews::Kind::Jumped, m_name, 0, m_duration});
    } else {
        m_startAt = position;  // for Play, which opens the media afresh
        m_slider->setValue(int(position));
    }
    updateTime();
}

void MediaPlayerWidget::HaltPlayback()
{
    cancelResume();
    m_startAt = 0;
    if (!m_loadFailed)
        releaseBackend();  // Play opens it again, from the start
    refresh();
}

QString MediaPlayerWidget::statusText() const
{
    return m_panel->status();
}

QUrl MediaPlayerWidget::toUrl(const QString &pathOrUrl)
{
    const QString trimmed = pathOrUrl.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A path that exists is a file even when it looks like something else
    // ("a:b.wav", names with '#' or '?').
    if (QFileInfo::exists(trimmed))
        return QUrl::fromLocalFile(QFileInfo(trimmed).absoluteFilePath());
    return QUrl::fromUserInput(trimmed, QDir::currentPath(), QUrl::AssumeLocalFile);
}

void MediaPlayerWidget::load(const QString &pathOrUrl, bool play)
{
    tellEnd(PlaybackNews::Kind::Stopped);  // what played before, by its own name
    m_name = pathOrUrl;
    m_error.clear();
    m_loadFailed = false;
    delete m_probe;
    cancelResume();
    m_startAt = 0;
    m_duration = 0;
    m_seekable = false;
    m_url = toUrl(pathOrUrl);
    m_panel->setTitle(m_url.isLocalFile() ? QFileInfo(m_url.toLocalFile()).fileName()
                                          : m_url.toDisplayString(QUrl::RemovePassword));
    m_slider->setRange(0, 0);
    m_display->setVideoShown(false);

    QString problem;
    if (m_url.isLocalFile() && !QFileInfo::exists(m_url.toLocalFile()))
        problem = tr("the file does not exist");
    else if (!m_url.isEmpty() && !m_url.isValid())
        problem = tr("this is not a valid address");
    if (!problem.isEmpty() || m_url.isEmpty()) {
        m_url = QUrl();
        releaseBackend();
        if (!problem.isEmpty())
            fail(problem);
        refresh();
        return;
    }
    startBackend(play);
}

void MediaPlayerWidget::startBackend(bool play)
{
    // setSource returns at once; the backend opens the media in its own
    // threads and reports through signals.
    releaseBackend();
    if (play) {
        // Told first: the listener may get ready (a recording that is to
        // begin with the media) before the backend makes a sound.
        m_toldStart = true;
        tell({PlaybackNews::Kind::Starting, m_name, std::max<qint64>(m_resumeAt, 0), m_duration});
    }
    m_player->setSource(m_url);
    m_backendHasSource = true;
    m_backendHasPlayed = play;
    if (play)
        m_player->play();
    refresh();
}

bool MediaPlayerWidget::pipelineSettled() const
{
    switch (m_player->mediaStatus()) {
    case QMediaPlayer::NoMedia:
    case QMediaPlayer::LoadingMedia:
        // Played at once, the GStreamer backend goes on reporting "loading"
        // for the first few hundred milliseconds of playback; a running
        // position tells that it plays.
        return m_player->playbackState() == QMediaPlayer::PlayingState && m_player->position() > 0;
    case QMediaPlayer::InvalidMedia:
        return false;
    default:
        return !m_loadFailed;
    }
}

void MediaPlayerWidget::fail(const QString &reason)
{
    const QUrl url = toUrl(m_name);
    const bool remote = !m_name.isEmpty() && !url.isLocalFile();
    m_loadFailed = true;
    cancelResume();
    tellEnd(PlaybackNews::Kind::Stopped);
    if (remote && AddressProbe::canAsk(url) && !m_probe) {
        // The backend's words for a failed address depend on the libraries
        // installed; the address itself, asked once, tells why.
        auto *probe = new AddressProbe(url, this);
        m_probe = probe;
        connect(probe, &AddressProbe::answered, this, [this, probe, reason](const QString &why) {
            probe->deleteLater();
            if (m_probe != probe)
                return;   // other media since
            m_probe = nullptr;
            m_error = tr("Cannot play this address: %1").arg(why.isEmpty() ? reason : why);
            refresh();
        });
        refresh();
        return;
    }
    if (m_probe)
        return;   // the address is being asked
    m_error = (remote ? tr("Cannot play this address: %1") : tr("Cannot play this file: %1")).arg(reason);
    refresh();
}

void MediaPlayerWidget::onMediaStatus(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::InvalidMedia && !m_loadFailed)
        fail(errorReason(m_player->error(), m_player->errorString()));
    if (status == QMediaPlayer::EndOfMedia) {
        cancelResume();  // ended before it could jump: do not stay silent
        tellEnd(PlaybackNews::Kind::Finished);
    }
    refresh();
}

void MediaPlayerWidget::onError(QMediaPlayer::Error error, const QString &text)
{
    if (error == QMediaPlayer::NoError || !m_backendHasSource)
        return;
    // A failing pipeline can report more than once; the first reason is the telling one.
    if (!m_loadFailed)
        fail(errorReason(error, text));
    // Let go of the failed pipeline once its signal has been handled.
    QMetaObject::invokeMethod(this, [this] {
        if (m_loadFailed) {
            releaseBackend();
            refresh();
        }
    }, Qt::QueuedConnection);
}

void MediaPlayerWidget::resumeWhenSeekable()
{
    // The backend ignores seeks until it has found the media seekable,
    // which it reports a few hundred milliseconds into playback.
    if (m_resumeAt < 0 || !m_player->isSeekable() || m_player->playbackState() != QMediaPlayer::PlayingState)
        return;
    const qint64 to = m_resumeAt;
    m_resumeAt = -1;  // first: the seek reports its position at once, and one seek is enough
    m_player->setPosition(to);  // flushes what was decoded from the start
    applyMute();
}

void MediaPlayerWidget::onPosition(qint64 position)
{
    resumeWhenSeekable();
    if (!m_slider->isSliderDown() && m_backendHasSource && m_backendHasPlayed && m_resumeAt < 0)
        m_slider->setValue(int(std::min<qint64>(position, m_slider->maximum())));
    refresh();
}

void MediaPlayerWidget::onDuration(qint64 duration)
{
    if (duration <= 0)
        return;  // the backend forgets it when it lets go of a source
    m_duration = duration;
    m_slider->setRange(0, int(std::min<qint64>(duration, std::numeric_limits<int>::max())));
    m_slider->setPageStep(std::max(1000, m_slider->maximum() / 10));
    m_slider->setSingleStep(std::max(100, m_slider->maximum() / 100));
    updateTime();
}

void MediaPlayerWidget::onSliderAction(int action)
{
    // Clicks beside the handle and the keyboard move the slider in steps;
    // dragging seeks once, on release.
    if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction)
        seek(m_slider->sliderPosition());
}

void MediaPlayerWidget::onOutputsChanged()
{
    // Keep playing to the default device when the user changes it.
    const QAudioDevice wanted = QMediaDevices::defaultAudioOutput();
    if (!wanted.isNull() && wanted != m_audio->device())
        m_audio->setDevice(wanted);
}

void MediaPlayerWidget::refresh()
{
    updateStatus();
    updateButtons();
    updateTime();
}

void MediaPlayerWidget::updateStatus()
{
    QString text;
    const auto state = m_player->playbackState();
    const auto status = m_player->mediaStatus();
    if (!m_error.isEmpty()) {
        text = m_error;
    } else if (m_url.isEmpty()) {
        text = tr("No media");
    } else if (!m_backendHasSource) {
        text = tr("Stopped");
    } else if (status == QMediaPlayer::BufferingMedia || status == QMediaPlayer::StalledMedia) {
        text = tr("Buffering... %1%").arg(int(m_player->bufferProgress() * 100));
    } else if (state == QMediaPlayer::PlayingState) {
        text = pipelineSettled() ? tr("Playing") : tr("Opening...");
    } else if (state == QMediaPlayer::PausedState) {
        text = tr("Paused");
    } else if (status == QMediaPlayer::NoMedia || status == QMediaPlayer::LoadingMedia) {
        text = tr("Opening...");
    } else if (status == QMediaPlayer::EndOfMedia) {
        text = tr("Finished");
    } else {
        text = tr("Ready");
    }
    m_panel->setStatus(text, !m_error.isEmpty());
}

void MediaPlayerWidget::updateButtons()
{
    const auto state = m_player->playbackState();
    const bool usable = m_backendHasSource && !m_loadFailed;
    m_playButton->setEnabled((!m_url.isEmpty() || m_loadFailed) && !(usable && state == QMediaPlayer::PlayingState));
    m_pauseButton->setEnabled(usable && state == QMediaPlayer::PlayingState);
    m_stopButton->setEnabled(usable && state != QMediaPlayer::StoppedState);
    m_slider->setEnabled(!m_url.isEmpty() && !m_loadFailed && m_seekable && m_duration > 0);
}

QString MediaPlayerWidget::formatTime(qint64 ms)
{
    const qint64 s = std::max<qint64>(ms, 0) / 1000;
    const QLatin1Char zero('0');
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, zero).arg(s % 60, 2, 10, zero);
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, zero);
}

void MediaPlayerWidget::updateTime()
{
    if (m_url.isEmpty() || m_loadFailed) {
        m_panel->setTime(QString());
        return;
    }
    const bool running = m_backendHasSource && m_backendHasPlayed && m_resumeAt < 0;
    const QString elapsed = formatTime(running ? m_player->position() : m_startAt);
    // Live streams have no length.
    m_panel->setTime(m_duration > 0 ? elapsed + QStringLiteral(" / ") + formatTime(m_duration) : elapsed);
}
