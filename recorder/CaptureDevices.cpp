// The capture device and source lists, and the source line's volume and
// balance sliders.

#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/Settings.h"
#include "base/SkipOnError.h"
#include "engine/AudioRecord.h"
#include "media/MediaPlayer.h"
#include "recorder/AudioDisplay.h"
#include "shell/frmCapture.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

void frmCapture::InitAudioPanel()
{
    skipOnError([&] { MediaPlayer1->setAutoPlay(true); });
    skipOnError([&] { FillDeviceList(); });
    if (m_ended)
        return;
    skipOnError([&] { LoadSettings(this); });
    skipOnError([&] { AudioDisplay21->setDisplayStyle(PublicDim::PreviewIndex); });
}

void frmCapture::FillDeviceList()
{
    const qint32 n = valueOrSkip<qint32>([&] { return m_record->DeviceCount(); }, 0);
    if (n < 1)
        return;   // no capture device: both lists stay empty, nothing is said
    qint32 start = valueOrSkip<qint32>([&] { return m_record->DeviceIndex(); }, 0);

    // Every index up to the count is asked; only valid devices get a row, so
    // rows and device numbers can differ. The row keeps its device number.
    for (qint32 i = 0; i <= n; ++i) {
        skipOnError([&] { m_record->setDeviceIndex(i); });
        if (valueOrSkip<bool>([&] { return m_record->DeviceValid(); }, true))
            skipOnError([&] { DeviceCombo->addItem(m_record->DeviceName(), i); });
    }
    const int lastRow = DeviceCombo->count() - 1;
    if (start > lastRow)
        start = lastRow;
    skipOnError([&] { m_record->setDeviceIndex(start); });
    skipOnError([&] { selectRow(DeviceCombo, start); });

    skipOnError([&] { CountSrc = qint16(m_record->SourceCount()); });
    if (CountSrc > 0) {
        skipOnError([&] { DeviceCombo_Click(); });
    } else {
        Dialogs::instance().messageBox(this,
                                       QStringLiteral("Can not initialize sound device. If you started other sound "
                                                      "recorder, please exit it before run this application"),
                                       QString(), Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
        endProgram(1);
    }
}

void frmCapture::DeviceCombo_Click()
{
    skipOnError([&] { m_record->setDeviceIndex(DeviceCombo->currentData().toInt()); });
    skipOnError([&] { CountSrc = qint16(m_record->SourceCount()); });
    skipOnError([&] { FillSourceList(); });
    // The device's recording input stays what it is (the list shows it
    // selected): choosing a device, or starting the program, must not switch
    // the card's input for every other program. Only a device that names
    // none starts on its first line.
    if (ComboSource->count() >= 1)
        skipOnError([&] { selectRow(ComboSource, std::max(ComboSource->currentIndex(), 0)); });
}

void frmCapture::FillSourceList()
{
    ComboSource->clear();
    for (qint32 i = 0; i <= CountSrc; ++i) {
        skipOnError([&] { m_record->setSourceIndex(i); });
        skipOnError([&] { ComboSource->addItem(m_record->SourceName()); });
        if (valueOrSkip<bool>([&] { return m_record->SourceSelected(); }, true))
            skipOnError([&] { selectRow(ComboSource, ComboSource->count() - 1); });
    }
}

void frmCapture::ComboSource_Click()
{
    SelectSource();
}

void frmCapture::SelectSource()
{
    // Unlike the other procedures, this one stops at its first failing step;
    // the steps before it stay done.
    try {
        if (ComboSource->count() == 0)
            return;
        qint32 i = 0;
        for (; i <= CountSrc; ++i) {
            m_record->setSourceIndex(i);
            if (m_record->SourceName() == ComboSource->currentText())
                break;
        }
        SrcIndex = i;
        m_record->setSourceIndex(i);

        const QSignalBlocker quietVolume(slVolume);
        const QSignalBlocker quietBalance(slBalance);
        if (m_record->HasVolume()) {
            slVolume->setEnabled(true);
            slVolume->setValue(65535 - m_record->Volume());
        } else {
            slVolume->setEnabled(false);
            slVolume->setValue(m_record->Volume());
        }
        if (m_record->HasBalance()) {
            slBalance->setEnabled(true);
            slBalance->setValue(m_record->Balance());
        } else {
            slBalance->setEnabled(false);
            slBalance->setValue(50);
        }
        m_record->setSourceIndex(SrcIndex);
        m_record->setSourceSelected(true);
        showResampling();
    } catch (...) {
        lastStepFailure() = describeFailure(std::current_exception());
    }
}

void frmCapture::slVolume_Scroll()
{
    skipOnError([&] { m_record->setSourceIndex(SrcIndex); });
    skipOnError([&] { m_record->setVolume(65535 - slVolume->value()); });
}

void frmCapture::slBalance_Scroll()
{
    skipOnError([&] { m_record->setSourceIndex(SrcIndex); });
    skipOnError([&] { m_record->setBalance(qint16(slBalance->value())); });
    // The slider always shows what the recorder holds.
    skipOnError([&] {
        const QSignalBlocker quiet(slBalance);
        slBalance->setValue(m_record->Balance());
    });
}

void frmCapture::AudioRecord_GainChange(qint32)
{
    // A volume changed elsewhere shows the next time the source is applied.
}
