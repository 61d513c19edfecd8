#pragma once

#include "base/Dialogs.h"
#include "base/FileChoice.h"
#include "base/PublicDim.h"
#include "engine/TakeTarget.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

// What the main window and the record wizard both offer for the output file
// and show for its format.

// "WAV 44,100 Hz; Stereo; 16 bit", "FLAC 44,100 Hz; Stereo; 16 bit", and for
// a lossy type its quality instead of the bits: "Ogg Opus 48,000 Hz; Stereo;
// Music". Thousands grouped in the user's locale; any channel count but 2
// reads as mono.
inline QString wavFormatText(const WaveFormat &format, FileType type = FileType::Wav,
                             Quality quality = Quality::Music)
{
    const QString channels = format.channels == 2 ? QCoreApplication::translate("WavChoices", "Stereo")
                                                  : QCoreApplication::translate("WavChoices", "Mono");
    const QString last = fileTypes::isLossy(type)
                             ? qualityDisplayName(quality)
                         : format.isFloat() ? QCoreApplication::translate("WavChoices", "32 bit float")
                                            : QCoreApplication::translate("WavChoices", "%1 bit").arg(format.bitsPerSample);
    return QCoreApplication::translate("WavChoices", "%1 %2 Hz; %3; %4")
        .arg(fileTypes::displayName(type), PublicDim::UserLocale().toString(format.sampleRate), channels, last);
}

// The shared choice, as the text above.
inline QString recordingFormatText()
{
    return wavFormatText(PublicDim::WavFormat, PublicDim::WavFileType, PublicDim::WavQuality);
}

// The Save dialog for a recording: one filter per type we write, the chosen
// type's selected, opening in the recordings folder, no proposed name and no
// suffix of its own (the caller adds one, the same way whatever the user
// typed). `chosenFilter` (the index of a type in fileTypes::All) receives the
// filter the user left selected.
inline Dialogs::FileRequest wavSaveRequest(QWidget *owner, int *chosenFilter = nullptr)
{
    Dialogs::FileRequest request;
    request.owner = owner;
    request.folder = PublicDim::WavFolder;
    for (FileType type : fileTypes::All) {
        if (type == FileType::Wav) {
            request.filters.append({QCoreApplication::translate("WavChoices", "Wav Files (*.wav)"), QStringLiteral("*.WAV")});
            continue;
        }
        const QString extension = fileTypes::extension(type);
        request.filters.append({QCoreApplication::translate("WavChoices", "%1 Files (*.%2)")
                                    .arg(fileTypes::displayName(type), extension),
                                QStringLiteral("*.") + extension.toUpper()});
    }
    request.selectedFilter = int(std::ranges::find(fileTypes::All, PublicDim::WavFileType) - std::begin(fileTypes::All));
    if (chosenFilter) {
        *chosenFilter = request.selectedFilter;
        request.chosenFilter = chosenFilter;
    }
    return request;
}

// The name a Save dialog's answer makes: cleaned by the caller, then with the
// extension of the filter left selected when it names no type of ours.
inline QString savedRecordingName(const QString &cleaned, int chosenFilter)
{
    const FileType fallback = chosenFilter >= 0 && chosenFilter < int(std::size(fileTypes::All))
                                  ? fileTypes::All[chosenFilter]
                                  : PublicDim::WavFileType;
    return withTypeExtension(cleaned, fallback);
}
