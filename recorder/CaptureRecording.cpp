// The recording itself: Record, Pause and Stop, opening and finishing the
// output file, and the recorder's Timer and EndArrayRecord events.

#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "base/TextRules.h"
#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "media/MediaTake.h"
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

void frmCapture::setRecordingControlsEnabled(bool stopped)
{
    CmdStop->setEnabled(!stopped);
    CmdPause->setEnabled(!stopped);
    for (QWidget *w : std::initializer_list<QWidget *>{CmdStart, CmdPlay, TextWavFile, Command2, CheckPreview,
                                                        slBalance, slVolume})
        w->setEnabled(stopped);
    for (QMenu *m : {Menu_File, Menu_Mode, Menu_Hep})
        m->setEnabled(stopped);
}

void frmCapture::enableControlsAfterStop()
{
    skipOnError([&] {
        setRecordingControlsEnabled(true);
        CmdSet->setEnabled(true);
        ComboSource->setEnabled(true);
        DeviceCombo->setEnabled(true);
    });
}

void frmCapture::CmdStart_Click()
{
    skipOnError([&] { setRecordingControlsEnabled(false); });
    PublicDim::WavFileName = TextWavFile->text();

    if (IsPaused()) {
        // Resume: capture never stopped. What it took in while paused, and
        // any sound lost meanwhile, was never going to be in the file.
        skipOnError([&] { m_record->GetPartialBlock(); });
        setRecordingState(RecordingState::Recording);
        m_lossFramesSeen = valueOrSkip<qint64>([&] { return m_record->lostFrames() + m_record->holeFrames(); },
                                               m_lossFramesSeen);
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
    clearLastStepFailure();
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
    const QFileInfo existing(PublicDim::WavFileName);
    if (existing.isFile() && existing.size() > 0
        && Dialogs::instance().messageBox(
               this, QStringLiteral("The file %1 already exists.\nDo you want to replace it?").arg(PublicDim::WavFileName),
               QString(), Dialogs::Icon::Question, Dialogs::Buttons::YesNo)
               != Dialogs::Answer::Yes) {
        abandonStart();
        return;
    }

    // Capture first: the file is touched only once there is sound to put in
    // it, so a start that fails leaves an existing file as it was. Nothing is
    // lost meanwhile: the first Timer event writes all captured since.
    // A status that cannot be read counts as a failure.
    bool started = false;
    startCapture(OnFailure::Skip);
    if (valueOrSkip<qint32>([&] { return m_record->CaptureStatus(); }, -1) >= 0) {
        skipOnError([&] { m_file->CreateWaveFile(PublicDim::WavFileName, 0); });
        started = valueOrSkip<qint32>([&] { return m_file->OpenStatus(); }, -1) >= 0;
    }
    if (started) {
        setRecordingState(RecordingState::Recording);
        setPanelText(1, QStringLiteral("Recording..."));
        m_losses.clear();
        m_lossFramesSeen = 0;
        m_bytesWritten = 0;
        m_signalWatch.restart(valueOrSkip<WaveFormat>([&] { return m_file->waveFormat(); }, WaveFormat{}));
        StatusPanel[0]->setToolTip(QString());
        return;
    }

    // The failure path: tell why, then end like Stop. A recorder that only
    // returned a negative status still has a reason to give. No file was
    // written, so there is nothing to finish: capture stops, what it took in
    // is dropped, and monitoring starts again.
    QString reason = lastStepFailure().description;
    if (reason.isEmpty())
        reason = valueOrSkip<QString>([&] { return m_record->lastError(); }, QString());
    Dialogs::instance().messageBox(this, reason, QStringLiteral("Error"), Dialogs::Icon::Critical,
                                   Dialogs::Buttons::Ok);
    enableControlsAfterStop();
    skipOnError([&] { FinishRecording(); });
    setPanelText(3, QStringLiteral("File size: ") + sizeText(0) + QStringLiteral(" Kb"));
    skipOnError([&] { CheckPreview_Click(); });
}

bool frmCapture::writeToFile(const QByteArray &captured)
{
    // A recording that follows the media player keeps back what is not the
    // media (see media/MediaTake.h); any other passes unchanged.
    const QByteArray data = m_take->pass(captured);
    try {
        m_file->WriteBlock(data);
        m_bytesWritten += data.size();
        m_signalWatch.feed(data);
        return true;
    } catch (...) {
        // The disk is full, the file too large, the drive gone: a recording
        // that goes on writing nothing would only pretend. Keep what is
        // written (the file stays valid), stop, and say why.
        m_recordingFailure = stoppedBecause(describeFailure(std::current_exception()).description);
        CmdStop_Click();   // finishing the file reports it
        return false;
    }
}

void frmCapture::abandonStart()
{
    enableControlsAfterStop();
    showIdleState();
    skipOnError([&] { CheckPreview_Click(); });
}

void frmCapture::setRecordingState(RecordingState state)
{
    // Only an open recording can be paused.
    if (state == RecordingState::Paused && m_state == RecordingState::NotRecording)
        return;
    m_state = state;
}

void frmCapture::CmdPause_Click()
{
    CmdStart->setEnabled(true);
    CmdPause->setEnabled(false);
    // Everything captured up to the press goes into the file; the rest of the
    // block is dropped with it.
    if (IsRecording() && !IsPaused()) {
        QByteArray upToNow;
        skipOnError([&] { upToNow = m_record->GetPartialBlock(); });
        if (!writeToFile(upToNow))
            return;
    }
    setRecordingState(RecordingState::Paused);
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
    skipOnError([&] { m_record->StopCapture(); });
    if (IsRecording()) {
        // Everything captured while not paused reaches the file: whatever the
        // recorder still holds after the stop is written, block by block,
        // until it hands out an empty one. Stopped while paused, what it
        // holds was captured during the pause.
        for (;;) {
            QByteArray block;
            if (!skipOnError([&] { block = m_record->GetBlock(); }) || block.isEmpty())
                break;
            if (IsPaused())
                continue;
            block = m_take->pass(block);
            try {
                m_file->WriteBlock(block);
                m_signalWatch.feed(block);
            } catch (...) {
                if (m_recordingFailure.isEmpty())
                    m_recordingFailure = stoppedBecause(describeFailure(std::current_exception()).description);
                break;
            }
        }
        // What the take still holds and keeps: silence before a Stop by
        // hand, the media's own up to its length.
        skipOnError([&] {
            if (const QByteArray rest = m_take->close(); !rest.isEmpty() && m_recordingFailure.isEmpty()) {
                m_file->WriteBlock(rest);
                m_signalWatch.feed(rest);
            }
        });
        skipOnError([&] { m_file->CloseFile(); });
        setPanelText(3, QStringLiteral("File size: ") + sizeText(fileSizeKb(PublicDim::WavFileName))
                            + QStringLiteral(" Kb"));
        if (!m_recordingFailure.isEmpty() || !m_losses.isEmpty())
            reportRecordingEnd();
    } else {
        // Monitoring: what is left is nobody's.
        while (!valueOrSkip<QByteArray>([&] { return m_record->GetBlock(); }, QByteArray()).isEmpty()) {
        }
    }
    setRecordingState(RecordingState::NotRecording);
    showIdleState();
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

void frmCapture::AudioRecord_Timer(qint32 CurrentSamples, qint32, qint32)
{
    if (IsPaused())
        return;
    QVector<qint16> data;
    if (m_displayInSight) {
        skipOnError([&] {
            const qint64 count = qint64(m_file->FormatUnit()) * 1024;
            if (count <= std::numeric_limits<qint32>::max())
                data = m_record->GetDisplayData(qint32(count));
        });
    }
    if (IsRecording()) {
        // What has come in since the last event reaches the file now, with
        // the header covering it: a crash loses at most this interval.
        QByteArray captured;
        skipOnError([&] { captured = m_record->GetPartialBlock(); });
        if (!writeToFile(captured))
            return;
        // Recorded time: what is in the file, the paused stretches left out.
        qint32 recordedMs = 0;
        skipOnError([&] {
            const qint64 frames = m_bytesWritten / std::max<qint32>(m_file->FormatUnit(), 1);
            recordedMs = m_record->SamplesToMilliseconds(qint32(std::min<qint64>(frames, INT32_MAX)));
            setPanelText(2, QStringLiteral("Elapsed: ") + PublicDim::FormatTime(double(recordedMs / 1000)));
        });
        noteLosses(recordedMs);
        showRecordingWarnings(recordedMs);
        setPanelText(3, QStringLiteral("File size: ") + sizeText(fileSizeKb(PublicDim::WavFileName))
                            + QStringLiteral(" KB"));
    }
    if (m_displayInSight)
        skipOnError([&] { AudioDisplay21->ShowSamples(data); });
}

void frmCapture::AudioRecord_EndArrayRecord(qint32)
{
    if (IsPaused())
        return;   // not fetched: the recorder drops it
    QByteArray block;
    skipOnError([&] { block = m_record->GetBlock(); });
    if (!IsRecording())
        return;
    writeToFile(block);
}

void frmCapture::AudioRecord_CaptureError(qint32 number, const QString &description)
{
    // The sound server or the device went away. A recording ends cleanly with
    // what was captured; then, as for monitoring, the meters fall to silence
    // and the lists follow the sound system.
    captureRunningChanged();
    AudioRecord_DevicesChanged();
    if (!IsRecording())
        return;
    m_recordingFailure = number == AudioFailure::DeviceRemoved
                             ? QStringLiteral("The recording device was removed.")
                             : stoppedBecause(description);
    CmdStop_Click();   // finishing the file reports it
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
    if (!m_losses.isEmpty()) {
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
