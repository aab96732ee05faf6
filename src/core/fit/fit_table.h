#pragma once

#include <string>
#include <vector>

#include "core/fit/rating_fit.h"
#include "core/report/csv.h"

namespace vantiq {

// The columns of the table of rated against derived values.
CsvRow FitTableHeader();

// The rating column of the row that says how far model and datasheet part.
inline constexpr const char* kFitVerdictRating = "all ratings";

// The rows of one fitted module `name` (UTF-8): Imax, Umax, dTmax, Qmax and
// the AC resistance, each rated (empty when not given) and derived with
// the deviation ("+0.4 %", "-0.05 K"), the leg assumption noted on the
// first row, and last the verdict (FitVerdict) in the note of an "all
// ratings" row; or the fit's problem alone when there is one.
std::vector<CsvRow> FitTableRows(const std::string& name, const Ratings& ratings,
                                 const RatingFit& fit);

}  // namespace vantiq
