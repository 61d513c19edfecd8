#include "base/PublicDim.h"

#include "resources/Artwork.h"

#include <QIcon>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace PublicDim {

QString FormatTime(double x)
{
    auto twoDigits = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (!(x > 0))   // also NaN
        return QStringLiteral("00:00:00");
    // Round once (a half goes to the even neighbour), then split: rounding the
    // seconds alone would show 119.7 s as 00:01:00. Beyond any real recording
    // the value is held, not overflowed.
    const qint64 total = qint64(std::nearbyint(std::min(x, 1e15)));
    return twoDigits(total / 3600) + QLatin1Char(':') + twoDigits(total / 60 % 60) + QLatin1Char(':')
           + twoDigits(total % 60);
}

void SetFormIcon(QWidget *form)
{
    if (form)
        form->setWindowIcon(Artwork::programIcon());
}

void ResetForTests()
{
    AppFolder.clear();
    WavFolder.clear();
    WavFileName.clear();
    WavFormat = {0, 0, 0};
    WavFileType = FileType::Wav;
    WavQuality = Quality::Music;
    PreviewIndex = 0;
    SourceDevice.clear();
    SourceLine.clear();
    LastCheckUpdate.clear();
    AutoStartRecord = AutoStopRecord = false;
    WizardAccepted = false;
    WizardSource = 0;
    WizardMediaFile.clear();
    WizardWavFile.clear();
    WizardURL.clear();
    WizardMediaAction = 0;
    WizardRecordNow = false;
}

} // namespace PublicDim

namespace PublicDim {

QLocale UserLocale()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace PublicDim
