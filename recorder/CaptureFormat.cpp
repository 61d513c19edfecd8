// The WAV format: its text under the recording buttons, and the "Se&t" button.

#include "recorder/FormWAV.h"
#include "shell/PublicDim.h"
#include "shell/frmCapture.h"

#include <QLabel>

void frmCapture::DisplayFormatStr()
{
    LabelFomartStr->setText(QStringLiteral("WAV ") + PublicDim::UserLocale().toString(PublicDim::WavFreq)
                            + QStringLiteral(" Hz; ")
                            + (PublicDim::WavChannel == 2 ? QStringLiteral("Stereo; ") : QStringLiteral("Mono; "))
                            + QString::number(PublicDim::WavBit) + QStringLiteral(" bit"));
}

void frmCapture::CmdSet_Click()
{
    FormWAV dialog(AudioFile_(), this);
    dialog.exec();
    DisplayFormatStr();
}
