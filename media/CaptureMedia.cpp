// The media player frame of the main window, its Options menu, the window
// modes and the recorded-file player.

#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioRecord.h"
#include "media/FrmPlayWav.h"
#include "media/MediaFilters.h"
#include "media/MediaLead.h"
#include "media/MediaPlayer.h"
#include "media/MediaTake.h"
#include "resources/CaptureLayout.h"
#include "shell/frmCapture.h"

#include <QAction>
#include <QLineEdit>
#include <QGroupBox>
#include <QStatusBar>
#include <QTimer>

#include <cmath>

void frmCapture::Command1_Click()
{
    const QString chosen = Dialogs::instance().openFileName(mediaOpenRequest(this));
    if (chosen.isEmpty())
        return;   // cancelled: nothing changes
    QString path = chosen;
    skipOnError([&] { path = cleanedDialogPath(path); });
    skipOnError([&] { TextMedia->setText(path); });
    skipOnError([&] { MediaPlayer1->setMediaFileName(path); });
    skipOnError([&] { MediaPlayer1->Play(); });
}

void frmCapture::CmdURL_Click()
{
    const QString url = Dialogs::instance().inputBox(this, QStringLiteral("Please input the URL"), QString(),
                                                     QStringLiteral("mms:// or http://"));
    if (url.isEmpty())
        return;
    TextMedia->setText(url);
    try {
        MediaPlayer1->OpenMedia(url);
    } catch (...) {
        // Reported, never fatal.
        Dialogs::instance().messageBox(this, describeFailure(std::current_exception()).description, QString(),
                                       Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    }
}

void frmCapture::Menu_StartR_Click()
{
    const bool on = !Menu_StartR->isChecked();
    Menu_StartR->setChecked(on);
    PublicDim::AutoStartRecord = on;
}

void frmCapture::Menu_StopR_Click()
{
    const bool on = !Menu_StopR->isChecked();
    Menu_StopR->setChecked(on);
    PublicDim::AutoStopRecord = on;
    // While a recording may end with the media, silence at its end waits to
    // be followed by sound before it is written (see MediaTake.h).
    if (m_mediaTake)
        m_mediaTake->setHoldSilence(on);
}

// ------------------------------------------------------------ recording with the media
//
// "Start recording when media file starts" starts a recording when the player
// starts from a standstill, "Stop recording when media file stops" ends it
// when the media ends or the player is stopped; both through the Record and
// Stop buttons' own handlers. What of the capture is the media's is
// MediaTake's to decide (the window hands every captured piece through it);
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

void frmCapture::followMediaPlayer()
{
    m_mediaTake = std::make_unique<MediaTake>([this] { return m_file ? m_file->waveFormat() : WaveFormat{0, 0, 0}; });
    // Queued: it comes from inside the writing of a captured piece.
    connect(m_mediaTake.get(), &MediaTake::completed, this, &frmCapture::mediaTakeComplete, Qt::QueuedConnection);
    m_takeDeadline = new QTimer(this);
    m_takeDeadline->setSingleShot(true);
    connect(m_takeDeadline, &QTimer::timeout, this, &frmCapture::endMediaTakeNow);
    MediaPlayer1->setPlaybackListener([this](const PlaybackNews &news) { MediaPlayer1_Playback(news); });
}

void frmCapture::MediaPlayer1_Playback(const PlaybackNews &news)
{
    using Kind = PlaybackNews::Kind;
    if (!m_mediaTake)
        return;
    switch (news.kind) {
    case Kind::Starting:
        if (!PublicDim::AutoStartRecord || m_playingNotForRecording)
            return;
        // The media played before may still be waiting for its tail: that
        // recording ends now, with what it has.
        if (m_mediaTake->ending() || m_mediaTake->isComplete())
            endMediaTakeNow();
        if (IsPaused() && m_mediaTake->isPausedWithMedia()) {
            CmdStart_Click();   // on with the recording that paused with the media
        } else if (IsRecording()) {
            return;   // the user's own recording goes on as it is
        } else {
            CmdStart_Click();   // all of Record: its checks, its questions
            if (!IsRecording())
                return;
        }
        m_mediaTake->beginWithMedia(news.fromMs);
        findMediaLead(news);
        return;
    case Kind::Paused:
        if (m_mediaTake->byMedia() && IsRecording() && !IsPaused() && !m_mediaTake->ending()) {
            m_mediaTake->pauseWithMedia();
            passCapturedNow();
            m_takeDeadline->start(TakeDeadlineMs);
        }
        return;
    case Kind::Resumed:
        if (m_mediaTake->ending() && m_mediaTake->endKind() == MediaTake::End::Pause) {
            m_mediaTake->cancelPause();
            m_takeDeadline->stop();
        } else if (IsPaused() && m_mediaTake->isPausedWithMedia()) {
            CmdStart_Click();
            m_mediaTake->resumeAtSound();
        }
        return;
    case Kind::Jumped:
        m_mediaTake->setInexact();
        return;
    case Kind::Finished:
    case Kind::Stopped:
        delete m_mediaLead;
        if (!PublicDim::AutoStopRecord || !IsRecording())
            return;
        if (IsPaused()) {
            CmdStop_Click();   // nothing reaches the file while paused: stop at once
            return;
        }
        m_mediaTake->endWithMedia(news.kind == Kind::Finished, news.durationMs);
        passCapturedNow();
        m_takeDeadline->start(TakeDeadlineMs);
        return;
    }
}

void frmCapture::findMediaLead(const PlaybackNews &news)
{
    delete m_mediaLead;
    const WaveFormat format = m_file->waveFormat();
    // A sample quieter than half a step of the recording's sample size, at
    // the player's volume, leaves only zeros in the capture.
    const double gain = MediaPlayer::linearGain(MediaPlayer1->outputVolume());
    const double quietest = gain > 0 ? 0.5 / double(1 << (format.bitsPerSample - 1)) / gain : 0;
    auto *lead = new MediaLead(news.media, news.fromMs, quietest, this);
    m_mediaLead = lead;
    MediaTake *take = m_mediaTake.get();
    const qint32 rate = format.sampleRate;
    connect(lead, &MediaLead::found, take, [take, rate](qint64 us) { take->setMediaLead(std::llround(us * rate / 1e6)); });
    connect(lead, &MediaLead::failed, take, [take] { take->setMediaLead(0); });
    connect(lead, &MediaLead::found, lead, &QObject::deleteLater);
    connect(lead, &MediaLead::failed, lead, &QObject::deleteLater);
}

void frmCapture::passCapturedNow()
{
    // What the recorder holds goes through the take now, not at the next
    // Timer event: the take counts its tail from here.
    if (!IsRecording() || IsPaused())
        return;
    m_take->writeCapturedNow();
}

void frmCapture::mediaTakeComplete()
{
    m_takeDeadline->stop();
    if (!IsRecording() || !m_mediaTake->isComplete())
        return;
    if (m_mediaTake->endKind() == MediaTake::End::Stop) {
        CmdStop_Click();
        return;
    }
    if (!IsPaused())
        CmdPause_Click();   // the take passes nothing more until it is paused
    m_mediaTake->pausedWithMedia();
}

void frmCapture::endMediaTakeNow()
{
    m_takeDeadline->stop();
    if (!IsRecording() || !(m_mediaTake->ending() || m_mediaTake->isComplete()))
        return;
    if (m_mediaTake->ending() && m_mediaTake->endKind() == MediaTake::End::Stop) {
        CmdStop_Click();   // the take keeps what its end rule keeps
        return;
    }
    m_mediaTake->endNow();   // a pause: what came after the last sound is dropped
    mediaTakeComplete();
}

// The three layouts differ only in height. Their stored heights are outer
// heights that include a title bar, menu bar and borders of a fixed size (the
// difference between the play-and-record height and the stored client area).
// Take that off, and let this desktop add its own frame and menu bar: the
// frames then sit exactly as laid out whatever the desktop's decorations.
void frmCapture::setOuterHeight(int outerTwips)
{
    using namespace CaptureLayout;
    const int clientTwips = outerTwips - (HeightPlayAndRecord - ClientHeight);
    centralWidget()->setFixedHeight(Twips::px(clientTwips) - statusBar()->height());
    adjustSize();
}

void frmCapture::Menu_PR_Click()
{
    skipOnError([&] {
        Menu_PR->setChecked(true);
        Menu_Record->setChecked(false);
        Menu_Play->setChecked(false);
    });
    skipOnError([&] { setOuterHeight(CaptureLayout::HeightPlayAndRecord); });
    skipOnError([&] { Frame1->show(); });
    skipOnError([&] { Frame2->show(); });
    skipOnError([&] { Frame2->move(Frame2->x(), Twips::px(CaptureLayout::Frame2.top)); });
}

void frmCapture::Menu_Record_Click()
{
    skipOnError([&] {
        Menu_PR->setChecked(false);
        Menu_Record->setChecked(true);
        Menu_Play->setChecked(false);
    });
    skipOnError([&] { setOuterHeight(CaptureLayout::HeightRecord); });
    skipOnError([&] { Frame1->hide(); });
    skipOnError([&] { Frame2->show(); });
    skipOnError([&] { Frame2->move(Frame2->x(), Frame1->y()); });
}

void frmCapture::Menu_Play_Click()
{
    skipOnError([&] {
        Menu_PR->setChecked(false);
        Menu_Record->setChecked(false);
        Menu_Play->setChecked(true);
    });
    skipOnError([&] { setOuterHeight(CaptureLayout::HeightPlay); });
    skipOnError([&] { Frame1->show(); });
    skipOnError([&] { Frame2->hide(); });
}

void frmCapture::CmdPlay_Click()
{
    skipOnError([&] { hide(); });
    FrmPlayWav *player = nullptr;
    skipOnError([&] {
        player = new FrmPlayWav(this, m_components.makePlayer);
        player->show();
    });
    if (!player)
        return;
    m_playWav = player;
    const QString path = TextWavFile->text();
    skipOnError([&] { player->Text1->setText(path); });
    skipOnError([&] { player->MediaPlayer1->setMediaFileName(path); });
    skipOnError([&] { player->MediaPlayer1->Play(); });
}

FrmPlayWav *frmCapture::playWavWindow() const
{
    return m_playWav;
}
