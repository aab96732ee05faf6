#pragma once

#include <vector>

#include "basetool/catalogue_csv.h"
#include "core/fit/rating_fit.h"
#include "core/fit/ratings_csv.h"

namespace vantiq {

// The material-form rows of fitted modules; the error names the row whose
// name breaks the catalogue's rules or whose ratings cannot be fitted.
Result<std::vector<CatalogueRow>> FittedCatalogueRows(const std::vector<RatingsRow>& rows,
                                                      FitMode mode);

}  // namespace vantiq
