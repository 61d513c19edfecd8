#pragma once

// What the program tells the desktop about itself: its name
// "tarvell-recorder" (the window class, which the desktop entry's
// StartupWMClass names) and its desktop entry, through which the desktop
// finds the icon. Every window carries a title of its own and nothing more,
// so there is no display name: Qt would add it to every title.
void setProgramIdentity();
