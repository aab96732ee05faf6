#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantiq {

// Takes arbitrary bytes as the settings store that holds the curve colours,
// placed in a fresh folder under `scratch`, and reads it as the window does
// at start-up. Checks that a store let through to Qt's reading holds no value
// that Qt rebuilds from a binary stream, that nothing but a colour (at most
// 0x00FFFFFF) comes through, that an unreadable store gives the defaults, and
// that colours saved into a readable store come back whatever else it held. Returns the
// first broken promise, or empty. Changes the process's settings folder.
std::string ExerciseSettingsStore(std::string_view bytes, const std::filesystem::path& scratch);

}  // namespace vantiq
