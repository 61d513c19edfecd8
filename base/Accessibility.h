#pragma once

#include <QAccessible>

class QSlider;
class QWidget;

// What a screen reader is told about controls whose Qt default would
// mislead: a window that acts as a dialog without being a QDialog, and a
// slider drawn upside down (its top is its lowest value).
namespace Accessibility {

// Reports `window` with `role` (QAccessible::Dialog for a wizard).
void setRole(QWidget *window, QAccessible::Role role);

// Reports the slider's value as it is seen: a vertical slider whose value 0
// stands at the top (the loudest) reads its maximum there, as a share in
// percent, and a screen reader that sets a value sets the position it means.
void setReadUpsideDown(QSlider *slider);

} // namespace Accessibility
