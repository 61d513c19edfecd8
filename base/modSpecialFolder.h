#pragma once

#include <QString>

// The user's standard folders, asked for by their Windows CSIDL numbers so the
// callers read the same as they always have:
//   0x00 desktop, 0x05 documents, 0x0d music, 0x0e videos, 0x10 desktop,
//   0x27 pictures, 0x28 home.
// The answer is the folder followed by "/" (appended as is, so "/" gives "//").
// An unknown number, or a folder that does not exist on this machine, gives an
// empty string: XDG names a Documents folder even where none was ever made,
// and a caller that builds "<documents>Wav/" one level deep must then fall back
// on a folder of its own rather than fail to create it.
QString GetSpecialFolder(int csidl);

// GetSpecialFolder(5): the user's documents folder.
QString GetDocumentsFolder();
