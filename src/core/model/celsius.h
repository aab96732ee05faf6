#pragma once

namespace vantiq {

// Temperatures are kelvin throughout; the user reads and types them in
// degrees Celsius, offset by a whole 273 K (not 273.15), so that whole
// degrees stay whole kelvin.
inline constexpr int kCelsiusOffsetWhole = 273;
inline constexpr double kCelsiusOffset = kCelsiusOffsetWhole;

}  // namespace vantiq
