#pragma once

#include "core/base/result.h"
#include "render/colors/color_settings.h"

namespace vantiq {

// The curve colours the user stored (organisation "Kestrin", application
// "Vantiq", values "Color1", "Color08", "Color06", "Color04", "Color02", each
// a 32-bit 0x00BBGGRR number). A value that is missing or not such a number
// keeps its default. Only the program's own store is read, never the stores
// QSettings would fall back on. An error ("Error loading settings!") when the
// store itself cannot be read, or is more than 64 KiB, or holds a value that
// Qt would rebuild from a binary stream (see HoldsNoStreamedValue), which a
// store of plain numbers never does; callers then use the defaults.
Result<ColorSettings> LoadStoredColors();

// Writes all five values. A store that exists but cannot be read, or that
// loading refuses, is left as it is rather than overwritten. An error when
// nothing could be stored.
Status SaveStoredColors(const ColorSettings& colors);

}  // namespace vantiq
