// The recording itself: Record, Pause and Stop, opening and finishing the
// output file, and the recorder's Timer and EndArrayRecord events.

#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "base/TextRules.h"
#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "recorder/AudioDisplay.h"
#include "shell/frmCapture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <limits>
#include <utility>

namespace {

// Size of the file on disk in units of 1024 bytes; 0 when it cannot be read.
double fileSizeKb(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? double(info.size()) / 1024.0 : 0.0;
}

// The first sentence of the message that tells why a recording ended early.
QString stoppedBecause(const QString &why)
{
    return QStringLiteral("The recording was stopped: %1").arg(why);
}

// "#,#0.#0": grouped thousands, two decimals, in the user's locale.
QString sizeText(double kb)
{
    return PublicDim::UserLocale().toString(kb, 'f', 2);
}

} // namespace

RecordingState frmCapture::recordingState() const
{
    if (!m_take || !m_take->isOpen())
        return RecordingState::NotRecording;
    return m_take->isPaused() ? RecordingState::Paused : RecordingState::Recording;
}

void frmCapture::lockControlsForRecording(bool recording)
{
    CmdStop->setEnabled(recording);
    CmdPause->setEnabled(recording);
    for (QWidget *w : std::initializer_list<QWidget *>{CmdStart, CmdPlay, TextWavFile, Command2, CheckPreview,
                                                        slBalance, slVolume})
        w->setEnabled(!recording);
    for (QMenu *m : {Menu_File, Menu_Mode, Menu_Hep})
        m->setEnabled(!recording);
}

void frmCapture::enableControlsAfterStop()
{
    skipOnError([&] {
        lockControlsForRecording(false);
        CmdSet->setEnabled(true);
        ComboSource->setEnabled(true);
        DeviceCombo->setEnabled(true);
    });
}

void frmCapture::CmdStart_Click()
{
    skipOnError([&] { lockControlsForRecording(true); });
    PublicDim::WavFileName = TextWavFile->text();

    if (IsPaused()) {
        m_take->resume();
        setPanelText(1, QStringLiteral("Recording..."));
        return;
    }
    if (!IsRecording()) {
        CmdSet->setEnabled(false);
        ComboSource->setEnabled(false);
        DeviceCombo->setEnabled(false);
        skipOnError([&] { FinishRecording(); });   // stops the monitoring capture
        skipOnError([&] { StartRecording(); });
    }
}

void frmCapture::StartRecording()
{
    // No name, no recording: a blank name would make a hidden ".wav" wherever
    // the program happens to run.
    if (withoutOuterBlanks(PublicDim::WavFileName).isEmpty()) {
        Dialogs::instance().messageBox(this, QStringLiteral("Please input the filename"), QString(),
                                       Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        abandonStart();
        return;
    }
    if (withWavExtension(PublicDim::WavFileName) != PublicDim::WavFileName) {
        PublicDim::WavFileName = withWavExtension(PublicDim::WavFileName);
        TextWavFile->setText(PublicDim::WavFileName);
    }

    // Without a sound server there is nothing to record from: say so before
    // any file is touched.
    if (!valueOrSkip<bool>([&] { return m_record->ServerConnected(); }, true)) {
        Dialogs::instance().messageBox(this,
                                       QStringLiteral("There is no connection to the sound server, so there is "
                                                      "nothing to record from. No file was created or changed."),
                                       QStringLiteral("Error"), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
        abandonStart();
        return;
    }

    // Every start proposes "1.wav" again: never replace a recording unasked.
    if (takeTarget(PublicDim::WavFileName) == TakeTarget::NonEmptyFile
        && Dialogs::instance().messageBox(
               this, QStringLiteral("The file %1 already exists.\nDo you want to replace it?").arg(PublicDim::WavFileName),
               QString(), Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
               != Dialogs::Answer::Yes) {
        abandonStart();
        return;
    }

    // The take starts capture first and touches the file only once there is
    // sound to put in it, so a start that fails leaves an existing file as it
    // was.
    skipOnError([&] { AudioDisplay21->SetWaveFormat(m_file->waveFormat()); });
    const bool started = m_take->start(PublicDim::WavFileName);
    captureRunningChanged();
    if (started) {
        setPanelText(1, QStringLiteral("Recording..."));
        StatusPanel[0]->setToolTip(QString());
        return;
    }

    // The failure path: tell why, then end like Stop. No file was written,
    // so there is nothing to finish, and monitoring starts again.
    Dialogs::instance().messageBox(this, m_take->failureReason(), QStringLiteral("Error"), Dialogs::Icon::Critical,
                                   Dialogs::Buttons::Ok);
    enableControlsAfterStop();
    skipOnError([&] { FinishRecording(); });
    setPanelText(3, QStringLiteral("File size: ") + sizeText(0) + QStringLiteral(" Kb"));
    skipOnError([&] { CheckPreview_Click(); });
}

void frmCapture::abandonStart()
{
    enableControlsAfterStop();
    showIdleState();
    skipOnError([&] { CheckPreview_Click(); });
}

void frmCapture::CmdPause_Click()
{
    CmdStart->setEnabled(true);
    CmdPause->setEnabled(false);
    // Everything captured up to the press goes into the file; what comes
    // after it does not, until Record resumes.
    if (IsRecording()) {
        m_take->pause();
        if (!IsRecording())
            return;   // the file could not take it: the recording has ended, and says why
    }
    setPanelText(1, QStringLiteral("Paused"));
}

void frmCapture::CmdStop_Click()
{
    if (!IsRecording())
        return;
    enableControlsAfterStop();
    skipOnError([&] { FinishRecording(); });
    skipOnError([&] { CheckPreview_Click(); });
}

void frmCapture::FinishRecording()
{
    if (IsRecording()) {
        // Every sample captured while not paused reaches the file; takeEnded
        // shows the rest.
        m_take->stop();
        return;
    }
    skipOnError([&] { m_record->StopCapture(); });
    // Monitoring: what is left is nobody's.
    while (!valueOrSkip<QByteArray>([&] { return m_record->GetBlock(); }, QByteArray()).isEmpty()) {
    }
    showIdleState();
}

void frmCapture::takeProgressed()
{
    // Recorded time: what is in the file, the paused stretches left out.
    const qint64 recordedMs = m_take->recordedMs();
    setPanelText(2, QStringLiteral("Elapsed: ") + PublicDim::FormatTime(double(recordedMs / 1000)));
    showRecordingWarnings(recordedMs);
    setPanelText(3, QStringLiteral("File size: ") + sizeText(fileSizeKb(m_take->path())) + QStringLiteral(" KB"));
}

void frmCapture::takeEnded(Take::End end, const QString &reason)
{
    setPanelText(3, QStringLiteral("File size: ") + sizeText(fileSizeKb(m_take->path())) + QStringLiteral(" Kb"));
    if (end == Take::End::DeviceRemoved)
        m_recordingFailure = QStringLiteral("The recording device was removed.");
    else if (end != Take::End::Stopped && end != Take::End::DurationReached)
        m_recordingFailure = stoppedBecause(reason);
    if (!m_recordingFailure.isEmpty() || !m_take->losses().isEmpty())
        reportRecordingEnd();
    showIdleState();
    // A recording that ended by itself (the disk, the device, the server)
    // leaves the window as Stop does.
    if (end != Take::End::Stopped) {
        enableControlsAfterStop();
        skipOnError([&] { CheckPreview_Click(); });
    }
}

namespace {
// Timer events while the level display is in sight, and while it is not: out
// of sight they only carry the sound to the file, four times a second (a crash
// of a minimised recording loses no more than that; one in sight, 40 ms).
constexpr qint32 TimerInSightMs = 40;
constexpr qint32 TimerOutOfSightMs = 250;
} // namespace

void frmCapture::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    followVisibility();
}

void frmCapture::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    followVisibility();
}

void frmCapture::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
}

void frmCapture::followVisibility(bool always)
{
    const bool inSight = isVisible() && !isMinimized();
    if (inSight == m_displayInSight && !always)
        return;
    m_displayInSight = inSight;
    if (m_record)
        skipOnError([&] { m_record->setTimerInterval(inSight ? TimerInSightMs : TimerOutOfSightMs); });
}

void frmCapture::AudioRecord_Timer(qint32, qint32, qint32)
{
    // The level display; what came in reaches the file through the take.
    if (IsPaused() || !m_displayInSight)
        return;
    skipOnError([&] {
        const qint64 count = qint64(m_file->FormatUnit()) * 1024;
        if (count <= std::numeric_limits<qint32>::max())
            AudioDisplay21->ShowSamples(m_record->GetDisplayData(qint32(count)));
    });
}

void frmCapture::AudioRecord_EndArrayRecord(qint32)
{
    // A recording's blocks are the take's; monitoring's are nobody's.
    if (!IsRecording())
        skipOnError([&] { m_record->GetBlock(); });
}

void frmCapture::AudioRecord_CaptureError(qint32, const QString &)
{
    // The sound server or the device went away: the meters fall to silence
    // and the lists follow the sound system. A recording ends by itself,
    // cleanly, with what was captured (takeEnded).
    captureRunningChanged();
    AudioRecord_DevicesChanged();
}

void frmCapture::reportRecordingEnd()
{
    // What ended the recording, or what it lost, and where it is; shown once
    // the recorder's event is over, not from inside it.
    const bool failed = !m_recordingFailure.isEmpty();
    QStringList text;
    if (failed)
        text << std::exchange(m_recordingFailure, QString())
             << QStringLiteral("What was recorded until then is in:\n%1").arg(PublicDim::WavFileName);
    if (!m_take->losses().isEmpty()) {
        text << lossSummary();
        if (text.size() == 1)
            text << QStringLiteral("Everything else is in:\n%1").arg(PublicDim::WavFileName);
    }
    QTimer::singleShot(0, this, [this, failed, message = text.join(QStringLiteral("\n\n"))] {
        Dialogs::instance().messageBox(this, message, failed ? QStringLiteral("Error") : QString(),
                                       failed ? Dialogs::Icon::Critical : Dialogs::Icon::Warning,
                                       Dialogs::Buttons::Ok);
    });
}
