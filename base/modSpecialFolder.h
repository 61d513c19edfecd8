#pragma once

#include <QString>

// The user's standard folders, asked for by their Windows CSIDL numbers so the
// callers read the same as they always have:
//   0x00 desktop, 0x05 documents, 0x0d music, 0x0e videos, 0x10 desktop,
//   0x27 pictures, 0x28 home.
// The answer is the folder followed by "/" (appended as is, so "/" gives "//").
// An unknown number, or a folder that does not exist on this machine, gives an
// empty string: XDG names a Documents folder even where none was ever made.
QString GetSpecialFolder(int csidl);

// The user's documents folder, where the recordings folder "Wav/" goes: the
// XDG documents folder (XDG_DOCUMENTS_DIR in user-dirs.dirs, by default
// ~/Documents), made with its parents when missing; where it cannot be made or
// written, ~/Recordings, made. Never empty and never relative, so that
// "<documents>Wav/" does not depend on the folder the program was started
// from. Should even ~/Recordings fail, it is still the answer, and making
// "Wav/" in it says why.
QString GetDocumentsFolder();
