#pragma once

#include <string>
#include <string_view>

namespace vantiq {

// Runs arbitrary bytes through both Windows-1251 conversions and checks that
// they undo each other: decoding then encoding gives the bytes back (but for
// the one unassigned byte 0x98), and text that encodes decodes to itself.
// Returns the first broken promise, or empty.
std::string ExerciseText(std::string_view bytes);

}  // namespace vantiq
