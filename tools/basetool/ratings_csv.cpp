#include "basetool/ratings_csv.h"

#include "core/editing/catalogue_names.h"

namespace vantiq {

Result<std::vector<CatalogueRow>> FittedCatalogueRows(const std::vector<RatingsRow>& rows,
                                                      FitMode mode) {
    std::vector<CatalogueRow> fitted;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string where = "row " + std::to_string(i + 1) + ": ";
        const RatingFit fit = FitRatings(rows[i].ratings, mode);
        if (!fit.problem.empty())
            return Error{where + fit.problem};
        auto entry = BuildCatalogueEntry(rows[i].name, fit.record, {});
        if (!entry.ok())
            return Error{where + entry.error().message};
        fitted.push_back({std::move(*entry), rows[i].pictureFile});
    }
    return fitted;
}

}  // namespace vantiq
