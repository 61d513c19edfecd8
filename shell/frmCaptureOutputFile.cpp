// The output file: the "&Browse..." button beside "Save as:".

#include "base/Dialogs.h"
#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "base/TextRules.h"
#include "recorder/WavChoices.h"
#include "shell/frmCapture.h"

#include <QLineEdit>


void frmCapture::Command2_Click()
{
    // No proposed name and no default suffix: the extension is added below,
    // the same way whatever the user typed.
    int filter = -1;
    const QString answer = Dialogs::instance().saveFileName(wavSaveRequest(this, &filter));
    if (answer.isEmpty())
        return;

    QString name;
    skipOnError([&] { name = withoutOuterBlanks(answer); });
    skipOnError([&] {
        if (name.endsWith(QChar(u'\0')))
            name.chop(1);
    });
    skipOnError([&] { name = savedRecordingName(name, filter); });
    skipOnError([&] { TextWavFile->setText(name); });
    skipOnError([&] { PublicDim::WavFileName = name; });
    // The name's extension is the type of the next recording from now on.
    skipOnError([&] { chooseFileType(typeOfName(name, PublicDim::WavFileType)); });
}
