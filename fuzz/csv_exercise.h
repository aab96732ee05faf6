#pragma once

#include <string>
#include <string_view>

namespace vantiq {

// Reads arbitrary bytes as a catalogue source, as `pack` does, and checks
// what `pack` and `dump` rely on: a refused source keeps no row and says why;
// an accepted one holds at least one module, every name ends within its 30
// bytes, each entry survives the catalogue file's encoding bit for bit, and
// the rows written back as CSV read back as the same entries. Returns the
// first broken promise, or empty. Never throws for any input.
std::string ExerciseCatalogueCsv(std::string_view text);

}  // namespace vantiq
