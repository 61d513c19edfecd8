// The WAV format: its text under the recording buttons, and the "Se&t" button.

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioRecord.h"
#include "recorder/FormWAV.h"
#include "recorder/WavChoices.h"
#include "recorder/SourceLists.h"
#include "resources/CaptureLayout.h"
#include "shell/frmCapture.h"

#include <QLabel>
#include <QLocale>

void frmCapture::DisplayFormatStr()
{
    showResampling();
}

// The format, and under it, while the capture converts the device's rate into
// the recording's, the rate it converts from. Before a capture only the
// server's word on the device's rate is known, in the tooltip.
void frmCapture::showResampling()
{
    const QLocale locale = PublicDim::UserLocale();
    const qint32 rate = PublicDim::WavFormat.sampleRate;
    const qint32 convertedFrom = valueOrSkip<qint32>([&] { return m_record->convertedFromRate(); }, 0);
    const qint32 deviceRate = convertedFrom > 0 ? convertedFrom : m_sources->shownLineRate();
    QString text = wavFormatText(PublicDim::WavFormat);
    QRect box = CaptureLayout::LabelFomartStr.rect();
    if (convertedFrom > 0) {
        text += QLatin1Char('\n') + tr("Converted from %1 Hz").arg(locale.toString(convertedFrom));
        // Two lines, beside the Set button and clear of the Source list.
        box = Twips::Box{CaptureLayout::LabelFomartStr.left, CaptureLayout::CmdSet.top,
                         CaptureLayout::CmdSet.left - CaptureLayout::LabelFomartStr.left,
                         CaptureLayout::ComboSource.top - CaptureLayout::CmdSet.top - 30}
                  .rect();
    }
    LabelFomartStr->setGeometry(box);
    LabelFomartStr->setText(text);
    LabelFomartStr->setToolTip(deviceRate > 0 && rate > 0 && deviceRate != rate
                                   ? tr("This device runs at %1 Hz; the recorder converts its sound to the "
                                        "recording's %2 Hz.")
                                         .arg(locale.toString(deviceRate), locale.toString(rate))
                                   : QString());
}

void frmCapture::CmdSet_Click()
{
    FormWAV dialog(m_file.get(), this);
    dialog.exec();
    DisplayFormatStr();
}
