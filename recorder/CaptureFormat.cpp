// The WAV format: its text under the recording buttons, and the "Se&t" button.

#include "base/PublicDim.h"
#include "recorder/FormWAV.h"
#include "recorder/WavChoices.h"
#include "shell/frmCapture.h"

#include <QLabel>

void frmCapture::DisplayFormatStr()
{
    LabelFomartStr->setText(wavFormatText(PublicDim::WavFormat));
}

void frmCapture::CmdSet_Click()
{
    FormWAV dialog(m_file.get(), this);
    dialog.exec();
    DisplayFormatStr();
}
