#pragma once

#include <QDate>
#include <QString>

class QWidget;

// The settings file "setting.ini": lines of key=value, CR LF ended, in this
// order: WAVFreq, WAVChannel, WAVBit, PreviewIndex, LastCheckUpdate, then the
// file type and quality of a recording (FileType=flac, Quality=music), which
// readers older than file types ignore; a file without them reads as WAV.
// Keys are read in any case and any order; a later line wins.

// Help, "Check Update": the page of the program's own help that tells how to
// get a newer version (a local file).
QString UpdatePageUrl();

// The address this build was given for newer versions ("" when none: the
// program then never asks about one at start).
QString updateAddress();
void setUpdateAddressForTests(const QString &address);

// Where the settings live: "setting.ini" in the program's folder when the
// program runs from a folder of its own (the build tree, an unpacked folder)
// that can be written; otherwise, and always for an installed program (one in
// ~/.local/bin, /usr/local/bin...), the user's configuration folder,
// "<config>/tarvell-recorder/setting.ini".
QString settingsFilePath();

// Reads the settings into PublicDim and, when this build has an update
// address and the last update question is older than ten days (or its date
// cannot be read), asks whether to open that address.
void LoadSettings(QWidget *owner);

// Writes the seven lines; a file that cannot be written is left as it was and
// nothing is shown.
void SaveSettings();

// 44100 Hz, stereo, 16 bit.
void SetDefaultFormat();

// Fixes "today" for the update-check arithmetic; a null date restores the clock.
void setTodayForTests(QDate today);
