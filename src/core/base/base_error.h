#pragma once

#include <string>

namespace vantiq {

// A failure the user is told about: a message box caption and its text.
struct BaseError {
    std::string caption;
    std::string message;
};

inline constexpr const char* kBaseErrorCaption = "Error during open TEM Base.";
inline constexpr const char* kBaseNotFoundMessage =
    "File not found or it's buzy by another process.";
inline constexpr const char* kBaseDamagedMessage = "TEM Base was damaged or it has invalid format.";

inline BaseError BaseNotFoundError() {
    return {kBaseErrorCaption, kBaseNotFoundMessage};
}
inline BaseError BaseDamagedError() {
    return {kBaseErrorCaption, kBaseDamagedMessage};
}

}  // namespace vantiq
