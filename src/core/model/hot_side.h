#pragma once

namespace vantiq {

// The hot side (K) the catalogue's records are derived at: where a session
// starts, and the range the user may choose (-50 to 100 \u00B0C).
inline constexpr double kDefaultThot = 298.0;
inline constexpr double kMinThot = 223.0;
inline constexpr double kMaxThot = 373.0;

}  // namespace vantiq
