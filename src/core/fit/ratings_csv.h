#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"
#include "core/fit/ratings.h"

namespace vantiq {

// The columns a ratings source starts with, in order: couples, the rated hot
// side in °C, Imax (A), Umax (V), dTmax (K, a positive difference), Qmax (W,
// may be empty) and the module's outer sizes (mm).
inline constexpr const char* kRatingsColumns[] = {
    "name", "couples", "rated_thot_c", "imax", "umax", "dtmax", "qmax", "width", "length", "height",
};

// Columns that may follow, in any order: leg sizes (m, as in the material
// form), the AC resistance (Ω) and the picture file. An empty cell was not
// given.
inline constexpr const char* kOptionalRatingsColumns[] = {
    "pellet_length",
    "pellet_side",
    "ac_resistance",
    "picture",
};

// One module of a ratings source.
struct RatingsRow {
    std::string name;  // UTF-8, as written
    Ratings ratings;
    std::string pictureFile;
};

// Whether `text` begins with the ratings header rather than the material one.
bool IsRatingsSource(std::string_view text);

// Reads a ratings source; the error names the row (1 = first data row) and
// the column.
Result<std::vector<RatingsRow>> ParseRatingsCsv(std::string_view text);

}  // namespace vantiq
