#pragma once

#include "core/base/result.h"

namespace vantiq {

// The errors of a catalogue that cannot be used, and the headline the front
// ends show them under.
inline constexpr const char* kBaseErrorCaption = "Error during open TEM Base.";
inline constexpr const char* kBaseNotFoundMessage =
    "File not found or it's buzy by another process.";
inline constexpr const char* kBaseDamagedMessage = "TEM Base was damaged or it has invalid format.";

inline Error BaseNotFoundError() {
    return Error(kBaseNotFoundMessage);
}
inline Error BaseDamagedError() {
    return Error(kBaseDamagedMessage);
}

}  // namespace vantiq
