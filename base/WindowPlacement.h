#pragma once

class QWidget;

// Centres a window on the available area of its screen the first time it is
// shown, frame included. A window manager frames a window only once it has
// mapped it: when the frame turns out other than it was taken to be, the
// window is centred once more with it. Later showings keep the place.
void centreWhenFirstShown(QWidget &window);
