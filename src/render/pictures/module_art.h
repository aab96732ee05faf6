#pragma once

#include <QIcon>
#include <QPixmap>

namespace vantiq {

// The program's own pictures, drawn rather than loaded: two thermoelectric
// modules with their ceramic plates, pellet rows and leads.

// The About picture, 150 × 132 pixels.
QPixmap ModulesPicture();

// The window icon: one module seen from above, at the usual icon sizes.
QIcon ModuleIcon();

}  // namespace vantiq
