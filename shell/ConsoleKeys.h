#pragma once

class QWidget;

// The main window's keyboard, in favour of the recording console:
//
//   Alt+R  clicks "&Record" (which also resumes a paused recording)
//   Alt+T  clicks "Se&t"
//   F10    opens the first menu of the menu bar
//
// "&Record" shares its letter with the media panel's "B&rowse...", and
// "Se&t" with the menu "More &Tools...": left to Qt, such a key only moves the
// focus between the two or opens the menu. Here each of the two keys does one
// thing anywhere in the window: it clicks its button while the button is
// enabled, and does nothing otherwise. The other two keep their captions and
// are reached with the mouse, Tab, and the menu bar's own keys.
//
// The buttons are found by their object names, CmdStart and CmdSet.
// Installed for the window's lifetime.
void installConsoleKeys(QWidget &window);
