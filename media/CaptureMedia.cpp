// The media player frame of the main window, its Options menu, the window
// modes and the recorded-file player.

#include "shell/PublicDim.h"
#include "shell/frmCapture.h"

#include <QAction>

void frmCapture::Command1_Click()
{
    // Opening a media file arrives with the media player panel.
}

void frmCapture::CmdURL_Click()
{
    // Opening a URL arrives with the media player panel.
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
}

void frmCapture::Menu_PR_Click()
{
    // The window modes arrive with the media playback issue.
}

void frmCapture::Menu_Record_Click() {}

void frmCapture::Menu_Play_Click() {}

void frmCapture::CmdPlay_Click()
{
    // The "Wav Player" window arrives with the media playback issue.
}
