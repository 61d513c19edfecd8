// The recording format and file type: their text under the recording buttons,
// and the "Se&t" button.

#include "base/Dialogs.h"
#include "base/FileChoice.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioFailure.h"
#include "engine/AudioRecord.h"
#include "recorder/FormWAV.h"
#include "recorder/WavChoices.h"
#include "recorder/SourceLists.h"
#include "resources/CaptureLayout.h"
#include "shell/frmCapture.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

// Also where the recording's name follows a new type: once the type has
// changed (in the format dialog, here or in the wizard), a name that ends in
// the extension of another type we write gets the new type's, so that the
// name does not choose the old type back at the next Record.
void frmCapture::DisplayFormatStr()
{
    if (PublicDim::WavFileType != m_shownType && !m_recording->isRecording()) {
        m_shownType = PublicDim::WavFileType;
        const QString renamed = renamedForType(TextWavFile->text(), m_shownType);
        if (renamed != TextWavFile->text()) {
            TextWavFile->setText(renamed);
            PublicDim::WavFileName = renamed;
        }
    }
    showResampling();
}

void frmCapture::chooseFileType(FileType type)
{
    using namespace PublicDim;
    if (type == WavFileType || !fileTypes::whyNot(type, WavFormat).isEmpty())
        return;
    const FileType before = WavFileType;
    const qint32 bitsBefore = WavFormat.bitsPerSample;
    WavFileType = type;
    WavFormat.bitsPerSample = fileTypes::bitsFor(type, WavFormat.bitsPerSample);
    try {
        applyRecordingChoice(*m_file);
    } catch (const AudioFailure &failure) {
        WavFileType = before;
        WavFormat.bitsPerSample = bitsBefore;
        skipOnError([&] { applyRecordingChoice(*m_file); });
        Dialogs::instance().messageBox(this,
                                       tr("The recording cannot be written as %1: %2")
                                           .arg(fileTypes::displayName(type), failure.description()),
                                       tr("Error"), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    }
    DisplayFormatStr();
}

void frmCapture::applyChoiceAtStart()
{
    try {
        applyRecordingChoice(*m_file);
    } catch (const AudioFailure &) {
        // A writer that cannot write the stored type still records: WAV in
        // the stored format. The settings keep what the writer took.
        PublicDim::WavFileType = FileType::Wav;
        applyRecordingChoice(*m_file);
    }
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
    QString text = recordingFormatText();
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
