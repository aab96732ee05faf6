#pragma once

#include "settings/color_settings.h"

namespace vantiq {

// The five curve colours as they are kept between runs: QSettings of the
// organisation "Kestrin" and the application "Vantiq" (the registry on
// Windows, the user's configuration folder elsewhere), values "Color1",
// "Color08", "Color06", "Color04" and "Color02", each a 0x00BBGGRR number.
struct StoredColors {
    ColorSettings colors;
    // True when a store exists but could not be read; the colours are then
    // the defaults.
    bool unreadable = false;
};

// Reads the stored colours. No store at all is the normal first start and
// yields the defaults; a value that is missing, not a number or wider than a
// colour keeps its default, silently.
StoredColors LoadColorSettings();

// Writes all five values. A store that exists but cannot be read is left as
// it is rather than overwritten. Returns false when nothing could be stored.
bool SaveColorSettings(const ColorSettings& colors);

}  // namespace vantiq
