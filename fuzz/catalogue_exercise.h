#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/base/base_error.h"

namespace vantiq {

// What reading one catalogue file gave, and the first promise of the reader
// that did not hold.
struct ExerciseReport {
    std::optional<BaseError> openError;
    std::optional<BaseError> loadError;
    bool loaded = false;
    std::uint32_t count = 0;
    std::uint32_t underivable = 0;
    std::string fault;  // empty when every check held
};

// Opens the catalogue at `path` as the program does, loads it when it holds
// at most `maxLoadedCount` modules (each module's derivation costs
// milliseconds), and reads the first, second, last and out-of-range pictures.
// Checks what the user could see: only the two base messages, a damaged load
// that keeps nothing, one progress step per module, finite rated values for
// every derivable module and on each of its graphs, the first module's rated
// values equal to the straightforward derivation's (also at the coldest hot
// side), names that end within
// their 30 bytes, and pictures no larger than the file. Never throws for any file content.
ExerciseReport ExerciseCatalogue(const std::string& path, std::uint32_t maxLoadedCount);

}  // namespace vantiq
