#pragma once

#include "base/Dialogs.h"
#include "base/PublicDim.h"

// What the main window and the record wizard both offer for the output file
// and show for its format.

// "WAV 44,100 Hz; Stereo; 16 bit": thousands grouped in the user's locale;
// any channel count but 2 reads as mono.
inline QString wavFormatText(const WaveFormat &format)
{
    return QStringLiteral("WAV ") + PublicDim::UserLocale().toString(format.sampleRate) + QStringLiteral(" Hz; ")
           + (format.channels == 2 ? QStringLiteral("Stereo; ") : QStringLiteral("Mono; "))
           + QString::number(format.bitsPerSample) + QStringLiteral(" bit");
}

// The Save dialog for a recording: the one filter, opening in the recordings
// folder, no proposed name and no suffix of its own (".wav" is added by the
// caller, the same way whatever the user typed).
inline Dialogs::FileRequest wavSaveRequest(QWidget *owner)
{
    Dialogs::FileRequest request;
    request.owner = owner;
    request.folder = PublicDim::WavFolder;
    request.filters = {{QStringLiteral("Wav Files (*.wav)"), QStringLiteral("*.WAV")}};
    return request;
}
