#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's small images, drawn by the program itself so that they are
// sharp at any screen scale.
namespace Artwork {

// The display-style button: normal (101) and highlighted (102), 13 x 12.
QPixmap styleButton(bool highlighted);
// A pointing hand, hot spot at the fingertip, five pixels from the left edge on the top row.
QCursor pointingHand();
// A 16 x 16 speaker facing left (the left channel) or right.
QPixmap speaker(bool facingRight);
// The 42 x 5 centre mark under the balance slider.
QPixmap balanceScale();
// The 13 x 68 wedge beside the volume slider, wide at the loud end (top).
QPixmap volumeWedge();
// The program's icon, in every size a desktop asks for.
QIcon programIcon();

} // namespace Artwork
