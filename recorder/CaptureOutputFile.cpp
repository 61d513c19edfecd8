// The output file: the "&Browse..." button beside "Save as:".

#include "shell/Dialogs.h"
#include "shell/PublicDim.h"
#include "shell/SkipOnError.h"
#include "shell/frmCapture.h"

#include <QLineEdit>

namespace {

// Blanks only: a tab or line break in a name is left to the file system to refuse.
QString withoutOuterBlanks(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

void frmCapture::Command2_Click()
{
    // No proposed name and no default suffix: ".wav" is added below, the same
    // way whatever the user typed.
    Dialogs::FileRequest request;
    request.owner = this;
    request.folder = PublicDim::WavFolder;
    request.filters = {{QStringLiteral("Wav Files (*.wav)"), QStringLiteral("*.WAV")}};
    const QString answer = Dialogs::instance().saveFileName(request);
    if (answer.isEmpty())
        return;

    QString name;
    skipOnError([&] { name = withoutOuterBlanks(answer); });
    skipOnError([&] {
        if (name.endsWith(QChar(u'\0')))
            name.chop(1);
    });
    skipOnError([&] {
        if (name.right(4).compare(QLatin1String(".wav"), Qt::CaseInsensitive) != 0)
            name += QStringLiteral(".wav");
    });
    skipOnError([&] { TextWavFile->setText(name); });
    skipOnError([&] { PublicDim::WavFileName = name; });
}
