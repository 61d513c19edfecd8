// The main window's side of the record wizard: opening it from the File menu,
// and acting on its choices once it has been finished.

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "media/MediaPlayer.h"
#include "shell/frmCapture.h"
#include "wizard/frmWizard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

void frmCapture::Menu_Wizard_Click()
{
    // A recording under way ends first: the wizard may start another one.
    if (valueOrSkip<bool>([&] { return CmdStop->isEnabled(); }, true))
        skipOnError([&] { CmdStop_Click(); });
    skipOnError([&] { hide(); });
    // Modeless: this returns at once, and the wizard shows this window again
    // when it unloads.
    skipOnError([&] {
        if (!wizardWindow())
            m_wizard = new frmWizard(this);
        m_wizard->show();
    });
}

frmWizard *frmCapture::wizardWindow() const
{
    return m_wizard && !m_wizard->isUnloaded() ? m_wizard.data() : nullptr;
}

void frmCapture::ProcessWizard()
{
    using namespace PublicDim;
    if (!WizardAccepted)
        return;

    if (WizardSource == 1) {
        // A media file that this window plays.
        skipOnError([&] { Menu_PR_Click(); });
        skipOnError([&] { TextMedia->setText(WizardMediaFile); });
        if (!WizardWavFile.isEmpty())
            skipOnError([&] { TextWavFile->setText(WizardWavFile); });
        // The player plays what it is given at once (AutoPlay is on since start-up).
        // "Record later" and "play later" were the user's word on when to
        // record: this playing does not start a recording with the media.
        const auto notForRecording = m_mediaRecording->playingNotForRecording(WizardMediaAction != 1);
        skipOnError([&] { MediaPlayer1->setMediaFileName(WizardMediaFile); });
        if (WizardMediaAction == 1) {
            WavFileName = WizardWavFile;
            skipOnError([&] { MediaPlayer1->Play(); });
            skipOnError([&] { CmdStart_Click(); });
        } else if (WizardMediaAction == 2) {
            skipOnError([&] { MediaPlayer1->Play(); });
        } else if (WizardMediaAction == 3) {
            skipOnError([&] { MediaPlayer1->HaltPlayback(); });
        }
    } else if (WizardSource == 2) {
        // Another application's sound: the output file, the application when
        // one was chosen (all sound otherwise: the Source is left as it is),
        // and maybe a start.
        if (!WizardApplication.isEmpty())
            skipOnError([&] { chooseApplicationLine(WizardApplication); });
        skipOnError([&] { TextWavFile->setText(WizardWavFile); });
        WavFileName = WizardWavFile;
        if (WizardRecordNow)
            skipOnError([&] { CmdStart_Click(); });
    } else if (WizardSource == 3) {
        // A URL: open it, and record without waiting for the stream to begin.
        skipOnError([&] { TextWavFile->setText(WizardWavFile); });
        WavFileName = WizardWavFile;
        skipOnError([&] { TextMedia->setText(WizardURL); });
        skipOnError([&] { MediaPlayer1->OpenMedia(WizardURL); });
        if (WizardRecordNow)
            skipOnError([&] { CmdStart_Click(); });
    }
}
