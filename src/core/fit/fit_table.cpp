#include "core/fit/fit_table.h"

#include <cmath>
#include <cstdio>

namespace vantiq {
namespace {

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Deviation(double value, bool kelvin) {
    if (!std::isfinite(value))
        return "";
    char text[64];
    if (kelvin)
        std::snprintf(text, sizeof text, "%+.2f K", value);
    else
        std::snprintf(text, sizeof text, "%+.1f %%", value * 100);
    return text;
}

}  // namespace

CsvRow FitTableHeader() {
    return {"name", "rating", "rated", "derived", "deviation", "note"};
}

std::vector<CsvRow> FitTableRows(const std::string& name, const Ratings& r, const RatingFit& fit) {
    if (!fit.problem.empty())
        return {{name, "", "", "", "", fit.problem}};
    const RatingDeviations d = DeviationsOf(r, fit.derived);
    const struct {
        const char* rating;
        double rated;
        double derived;
        double deviation;
        int decimals;
    } lines[] = {
        {"Imax (A)", r.imax, fit.derived.imax, d.imax, 3},
        {"Umax (V)", r.umax, fit.derived.umax, d.umax, 3},
        {"dTmax (K)", r.dtMax, -fit.derived.dtMax, d.dtMax, 2},
        {"Qmax (W)", r.qmax, fit.derived.qmax, d.qmax, 2},
        {"AC resistance (ohm)", r.acResistance, fit.derived.acResistance, d.acResistance, 4},
    };
    std::vector<CsvRow> rows;
    for (const auto& line : lines) {
        const bool kelvin = line.rating[0] == 'd';
        rows.push_back({name, line.rating, line.rated > 0 ? Fixed(line.rated, line.decimals) : "",
                        Fixed(line.derived, line.decimals), Deviation(line.deviation, kelvin),
                        rows.empty() ? fit.assumption : ""});
    }
    rows.push_back({name, kFitVerdictRating, "", "", "", FitVerdict(r, fit.derived)});
    return rows;
}

}  // namespace vantiq
