#include "shell/PublicDim.h"

#include "resources/Artwork.h"

#include <QIcon>
#include <QWidget>

#include <cmath>

namespace PublicDim {

QString FormatTime(double x)
{
    auto twoDigits = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (!(x > 0))   // also NaN
        return QStringLiteral("00:00:00");
    if (x < 60)
        return QStringLiteral("00:00:") + twoDigits(qint64(std::nearbyint(x)));
    qint64 minutes = qint64(x / 60);
    const qint64 seconds = qint64(std::nearbyint(x)) % 60;   // a half goes to the even neighbour
    qint64 hours = 0;
    if (minutes >= 60) {
        hours = minutes / 60;
        minutes %= 60;
    }
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds);
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
    WavFreq = 0;
    WavChannel = 0;
    WavBit = 0;
    PreviewIndex = 0;
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
