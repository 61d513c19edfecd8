#include "base/FileChoice.h"

#include "base/PublicDim.h"
#include "engine/AudioFile.h"

#include <QCoreApplication>
#include <QFileInfo>

FileType typeOfName(const QString &name, FileType chosen)
{
    return fileTypes::fromFileName(name).value_or(chosen);
}

QString renamedForType(const QString &name, FileType type)
{
    const auto now = fileTypes::fromFileName(name);
    if (!now || *now == type)
        return name;
    const qsizetype suffix = QFileInfo(name).suffix().size();
    return name.left(name.size() - suffix) + fileTypes::extension(type);
}

QString qualityDisplayName(Quality quality)
{
    switch (quality) {
    case Quality::Speech: return QCoreApplication::translate("FileChoice", "Speech");
    case Quality::Music: return QCoreApplication::translate("FileChoice", "Music");
    case Quality::Best: return QCoreApplication::translate("FileChoice", "Best");
    }
    return {};
}

void applyRecordingChoice(AudioFile &file)
{
    using namespace PublicDim;
    file.SetFileType(FileType::Wav, WavQuality);
    file.SetWaveFormat(WavFormat);
    if (WavFileType != FileType::Wav)
        file.SetFileType(WavFileType, WavQuality);
}
