#include "wizard/WizardHandOff.h"

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "media/MediaPlayer.h"
#include "media/MediaRecording.h"

#include <QLineEdit>

void WizardHandOff::ProcessWizard()
{
    using namespace PublicDim;
    if (!WizardAccepted)
        return;

    if (WizardSource == 1) {
        // A media file that this window plays.
        skipOnError([&] { m_window.showPlayAndRecord(); });
        skipOnError([&] { m_window.mediaName->setText(WizardMediaFile); });
        if (!WizardWavFile.isEmpty())
            skipOnError([&] { m_window.recordingName->setText(WizardWavFile); });
        // The player plays what it is given at once (AutoPlay is on since start-up).
        // "Record later" and "play later" were the user's word on when to
        // record: this playing does not start a recording with the media.
        const auto notForRecording = m_window.mediaRecording->playingNotForRecording(WizardMediaAction != 1);
        skipOnError([&] { m_window.player->setMediaFileName(WizardMediaFile); });
        if (WizardMediaAction == 1) {
            WavFileName = WizardWavFile;
            skipOnError([&] { m_window.player->Play(); });
            skipOnError([&] { m_window.record(); });
        } else if (WizardMediaAction == 2) {
            skipOnError([&] { m_window.player->Play(); });
        } else if (WizardMediaAction == 3) {
            skipOnError([&] { m_window.player->HaltPlayback(); });
        }
    } else if (WizardSource == 2) {
        // Another application's sound: the output file, the application when
        // one was chosen (all sound otherwise: the Source is left as it is),
        // and maybe a start.
        if (!WizardApplication.isEmpty())
            skipOnError([&] { m_window.chooseApplication(WizardApplication); });
        skipOnError([&] { m_window.recordingName->setText(WizardWavFile); });
        WavFileName = WizardWavFile;
        if (WizardRecordNow)
            skipOnError([&] { m_window.record(); });
    } else if (WizardSource == 4) {
        // A conversation: the microphone and the other side, then as for an
        // application.
        skipOnError([&] { m_window.pickConversation(WizardInput, WizardApplication, WizardMixed); });
        skipOnError([&] { m_window.recordingName->setText(WizardWavFile); });
        WavFileName = WizardWavFile;
        if (WizardRecordNow)
            skipOnError([&] { m_window.record(); });
    } else if (WizardSource == 3) {
        // A URL: open it, and record without waiting for the stream to begin.
        skipOnError([&] { m_window.recordingName->setText(WizardWavFile); });
        WavFileName = WizardWavFile;
        skipOnError([&] { m_window.mediaName->setText(WizardURL); });
        skipOnError([&] { m_window.player->OpenMedia(WizardURL); });
        if (WizardRecordNow)
            skipOnError([&] { m_window.record(); });
    }
}
