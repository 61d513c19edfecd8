#pragma once

class QWidget;

// The main window's keyboard, in favour of the recording console:
//
//   Alt+R  clicks "&Record" (which also resumes a paused recording)
//   Alt+T  clicks "Se&t"
//   F10    opens the first menu of the menu bar
//
// "Se&t" shares its letter with the menu "More &Tools...": left to Qt, the
// key would only open the menu. Here each of the two keys does one thing
// anywhere in the window: it clicks its button while the button is enabled,
// and does nothing otherwise. The menu keeps its caption and is reached with
// the mouse and the menu bar's own keys; the media panel's "Br&owse..." has
// Alt+O to itself.
//
// The buttons are found by their object names, CmdStart and CmdSet.
// Installed for the window's lifetime.
void installConsoleKeys(QWidget &window);
