#pragma once

#include "render/colors/color_settings.h"

namespace vantiq {

// The curve colours the user stored (organisation "Kestrin", application
// "Vantiq", values "Color1", "Color08", "Color06", "Color04", "Color02", each
// a 32-bit 0x00BBGGRR number). A value that is missing or not such a number
// keeps its default. When the store itself cannot be read, every colour is
// the default and `storeUnreadable`, if given, is set to true.
ColorSettings LoadStoredColors(bool* storeUnreadable = nullptr);

// Writes all five values. A store that exists but cannot be read is left as
// it is rather than overwritten. Returns false when nothing could be stored.
bool SaveStoredColors(const ColorSettings& colors);

}  // namespace vantiq
