// The WAV format: its text under the recording buttons, and the "Se&t" button.

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioRecord.h"
#include "recorder/FormWAV.h"
#include "recorder/WavChoices.h"
#include "recorder/SourceLists.h"
#include "shell/frmCapture.h"

#include <QLabel>

void frmCapture::DisplayFormatStr()
{
    LabelFomartStr->setText(wavFormatText(PublicDim::WavFormat));
    showResampling();
}

void frmCapture::showResampling()
{
    // The server converts what the device delivers into the rate asked for;
    // bit for bit it is the device's own sound only at the device's own rate.
    const qint32 deviceRate = m_sources->shownLineRate();
    const qint32 rate = PublicDim::WavFormat.sampleRate;
    LabelFomartStr->setToolTip(
        deviceRate > 0 && rate > 0 && deviceRate != rate
            ? QStringLiteral("The sound server resamples: this device runs at %1 Hz, the recording is made at %2 Hz.")
                  .arg(PublicDim::UserLocale().toString(deviceRate), PublicDim::UserLocale().toString(rate))
            : QString());
}

void frmCapture::CmdSet_Click()
{
    FormWAV dialog(m_file.get(), this);
    dialog.exec();
    DisplayFormatStr();
}
