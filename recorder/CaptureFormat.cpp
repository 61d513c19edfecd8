// The WAV format: its text under the recording buttons, and the "Se&t" button.

#include "recorder/FormWAV.h"
#include "recorder/WavChoices.h"
#include "base/PublicDim.h"
#include "shell/frmCapture.h"

#include <QLabel>

void frmCapture::DisplayFormatStr()
{
    LabelFomartStr->setText(wavFormatText(PublicDim::WavFreq, PublicDim::WavChannel, PublicDim::WavBit));
}

void frmCapture::CmdSet_Click()
{
    FormWAV dialog(AudioFile_(), this);
    dialog.exec();
    DisplayFormatStr();
}
