#pragma once

#include "engine/FileType.h"
#include "engine/WaveFormat.h"

#include <QString>
#include <QtGlobal>

class QWidget;

// Program-wide state shared by the windows, one instance each, alive for the
// whole run. User-interface thread only.
namespace PublicDim {

inline QString AppFolder;        // the program's folder, always ending in "/"
inline QString WavFolder;        // default recordings folder, ending in "/"
inline QString WavFileName;      // full path of the next (or current) recording
// The recording format: rate in Hz, 1 mono or 2 stereo, 8 or 16 bits. All
// zero until the settings are read.
inline WaveFormat WavFormat{0, 0, 0};
// The kind of file it is written as, and how hard a lossy type squeezes
// (base/FileChoice.h). A type other than WAV records 16-bit sound.
inline FileType WavFileType = FileType::Wav;
inline Quality WavQuality = Quality::Music;
// The source chosen last: the device's name and the line's identity (an
// application's line: the application). Empty: the server's default.
inline QString SourceDevice;
inline QString SourceLine;
inline qint32 PreviewIndex = 0;  // level display style 0 to 4
inline constexpr qint32 PreviewStyleCount = 5;
inline QString LastCheckUpdate;  // date of the last update-check question
inline bool AutoStartRecord = false;
inline bool AutoStopRecord = false;

// The record wizard's choices.
inline bool WizardAccepted = false;
inline int WizardSource = 0;       // 1 media file, 2 another application, 3 URL, 4 a conversation
inline QString WizardMediaFile;
inline QString WizardWavFile;
inline QString WizardURL;
inline int WizardMediaAction = 0;  // 1 play and record now, 2 play now record later, 3 open now play later
inline bool WizardRecordNow = false;
inline QString WizardApplication;  // the application to record alone; empty: all sound
inline QString WizardInput;        // a conversation's microphone: its device
inline bool WizardMixed = false;   // a conversation mixed together, not each in a channel

// "hh:mm:ss" for a number of seconds; the hours grow past two digits.
QString FormatTime(double seconds);

// Gives a window the program's icon.
void SetFormIcon(QWidget *form);

// Puts every variable back to its value at program start (for tests).
void ResetForTests();

} // namespace PublicDim

#include <QLocale>

namespace PublicDim {
// The user's locale for numbers shown in the windows; an unset ("C") locale
// falls back to English so that thousands are still grouped.
QLocale UserLocale();
} // namespace PublicDim
