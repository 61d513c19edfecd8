// The main window's recording console: its buttons hand over to the
// recording part (recorder/RecordingControl), its lists to the source lists
// (recorder/SourceLists), and the recorder's events feed the level display
// while the window is in sight.

#include "base/PublicDim.h"
#include "base/Settings.h"
#include "base/SkipOnError.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "engine/Conversation.h"
#include "engine/DeviceSnapshot.h"
#include "media/MediaPlayer.h"
#include "recorder/AudioDisplay.h"
#include "recorder/RecordingControl.h"
#include "recorder/SourceLists.h"
#include "shell/frmCapture.h"

#include <QEvent>

#include <limits>

RecordingState frmCapture::recordingState() const
{
    return m_recording->state();
}

void frmCapture::CmdStart_Click()
{
    m_recording->record();
}

void frmCapture::CmdPause_Click()
{
    m_recording->pause();
}

void frmCapture::CmdStop_Click()
{
    m_recording->stop();
}

void frmCapture::FinishRecording()
{
    m_recording->finish();
}

void frmCapture::showIdleState()
{
    m_recording->showIdleState();
}

QString frmCapture::panelText(int panel) const
{
    return m_recording->panelText(panel);
}

namespace {
// Timer events while the level display is in sight, and while it is not: out
// of sight they only carry the sound to the file, four times a second (a crash
// of a minimised recording loses no more than that; one in sight, no more
// than the take's write interval, Components::writeIntervalMs).
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
    if (!m_record)
        return;
    skipOnError([&] { m_record->setTimerInterval(inSight ? TimerInSightMs : TimerOutOfSightMs); });
    // Monitoring out of sight shows nothing: its sound may wait at the server.
    skipOnError([&] { m_record->setSoundWanted(inSight || m_recording->isRecording()); });
}

void frmCapture::AudioRecord_Timer(qint32, qint32, qint32)
{
    // The level display; what came in reaches the file through the take.
    if (m_recording->isPaused() || !m_displayInSight)
        return;
    skipOnError([&] {
        const qint64 count = qint64(m_file->FormatUnit()) * 1024;
        if (count <= std::numeric_limits<qint32>::max())
            // A conversation shows what goes into the file: in split, its
            // two sources side by side.
            AudioDisplay21->ShowSamples(m_conversation && m_recording->isRecording()
                                            ? m_conversation->displayData(int(count))
                                            : m_record->GetDisplayData(qint32(count)));
    });
}

void frmCapture::AudioRecord_EndArrayRecord(qint32)
{
    // A recording's blocks are the take's; monitoring's are nobody's.
    if (!m_recording->isRecording())
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

// ------------------------------------------------------------ devices and sources
//
// The lists, the sliders and following the sound system are the source
// lists' own (recorder/SourceLists); the window fills them at start-up.

void frmCapture::SelectSource()
{
    m_sources->SelectSource();
}

void frmCapture::AudioRecord_GainChange(qint32)
{
    m_sources->showLevels();
}

void frmCapture::AudioRecord_DevicesChanged()
{
    m_sources->devicesChanged();
}

void frmCapture::AudioRecord_ServerConnectionChanged(bool)
{
    if (!m_recording->isRecording())
        showIdleState();
    m_sources->devicesChanged();
}

void frmCapture::startCapture(OnFailure onFailure)
{
    auto step = [onFailure](const auto &call) {
        if (onFailure == OnFailure::Skip)
            skipOnError(call);
        else
            call();
    };
    step([&] { m_record->SetFormat(m_file->FormatDescriptor(), m_file->FormatUnit()); });
    step([&] { m_record->setBlockLength(m_record->DurationToLength(1000)); });
    step([&] { AudioDisplay21->SetWaveFormat(m_file->waveFormat()); });
    step([&] { m_record->StartCapture(); });
    if (!m_displayInSight)
        skipOnError([&] { m_record->setSoundWanted(false); });
    captureRunningChanged();
}

void frmCapture::captureRunningChanged()
{
    if (valueOrSkip<qint32>([&] { return m_record->CaptureStatus(); }, -1) >= 0) {
        m_silenceTimer->stop();
    } else if (!m_silenceTimer->isActive()) {
        m_silenceTimer->start();
    }
    showResampling();   // a capture knows the rate the device really runs at
}

bool frmCapture::chooseConversation(const QString &device, const QString &application, bool mixed)
{
    endConversation();
    if (!m_sources->chooseDevice(device))
        return false;
    std::unique_ptr<AudioRecord> second = m_components.makeRecorder();
    const DeviceSnapshot devices = valueOrSkip<DeviceSnapshot>([&] { return second->devices(); }, {});
    const LinePlace at = application.isEmpty() ? devices.defaultMix : devices.findApplication(application);
    if (!at.found())
        return false;
    skipOnError([&] { second->setDeviceIndex(at.device); });
    skipOnError([&] { second->setSourceIndex(at.line); });
    m_secondRecord = std::move(second);
    m_conversation = std::make_unique<Conversation>(*m_record, *m_secondRecord,
                                                    mixed ? Conversation::Layout::Mixed : Conversation::Layout::Split);
    m_take->setFilter(m_conversation.get());
    // Its display shows what was written: written at every Timer event.
    m_take->setWriteIntervalMs(0);
    m_recording->setConversation(m_conversation.get());
    m_recording->setRecordingWhat(application.isEmpty() ? tr("%1 and all sound").arg(device) : tr("%1 and %2").arg(device, application));
    // A line chosen by hand ends the conversation.
    m_conversationEnds = connect(m_sources, &SourceLists::sourceApplied, this, &frmCapture::endConversation);
    return true;
}

void frmCapture::endConversation()
{
    if (!m_conversation || m_take->isOpen())
        return;
    disconnect(m_conversationEnds);
    m_take->setFilter(m_mediaRecording->filter());
    m_take->setWriteIntervalMs(m_components.writeIntervalMs);
    m_recording->setRecordingWhat(QString());
    m_recording->setConversation(nullptr);
    m_conversation.reset();
    m_secondRecord.reset();
}
