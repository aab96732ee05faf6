#pragma once

#include <QString>

namespace vantiq {

// Draws the window's own text in `face`: the application's font and every
// widget class the platform theme gives a font of its own (menus, the status
// bar, list headers, message boxes...), each keeping its size and weight.
void UseFaceForEveryWidget(const QString& face);

// Makes the shipped fonts known and, where the system's faces cannot be
// trusted (see WindowFaceOverride), draws the whole window in the shipped one.
// For programs that show widgets; call it right after the QApplication is made.
void UseShippedFacesInTheWindow();

}  // namespace vantiq
