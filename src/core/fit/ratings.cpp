#include "core/fit/ratings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace vantiq {
namespace {

double Relative(double derived, double rated) {
    return rated > 0 ? derived / rated - 1 : NAN;
}

}  // namespace

std::optional<FitMode> FitModeNamed(std::string_view word) {
    if (word == "minimax")
        return FitMode::LeastLargest;
    if (word == "imax-umax-dtmax")
        return FitMode::KeepImaxUmaxDtmax;
    if (word == "imax-dtmax-qmax")
        return FitMode::KeepImaxDtmaxQmax;
    if (word == "balance")
        return FitMode::BalanceAll;
    return std::nullopt;
}

RatingDeviations DeviationsOf(const Ratings& r, const RatedValues& d) {
    return {Relative(d.imax, r.imax), Relative(d.umax, r.umax), -d.dtMax - r.dtMax,
            Relative(d.qmax, r.qmax), Relative(d.acResistance, r.acResistance)};
}

std::string FitVerdict(const Ratings& r, const RatedValues& derived) {
    const RatingDeviations d = DeviationsOf(r, derived);
    const std::pair<const char*, double> parts[] = {
        {"Imax", d.imax}, {"Umax", d.umax}, {"dTmax", d.dtMax / r.dtMax}, {"Qmax", d.qmax}};
    const char* widest = "";
    double largest = 0, overstated = 0;
    for (const auto& [rating, deviation] : parts) {
        if (!std::isfinite(deviation))
            continue;
        if (std::fabs(deviation) > largest)
            largest = std::fabs(deviation), widest = rating;
        if (rating[0] == 'd' || rating[0] == 'Q')
            overstated = std::max(overstated, deviation);
    }
    char text[160];
    if (largest <= 0.005) {
        std::snprintf(text, sizeof text, "datasheet and model agree within 0.5 %%");
    } else if (overstated >= 0.0005) {
        std::snprintf(text, sizeof text,
                      "datasheet and model part by up to %.1f %% (%s); cooling overstated by up to "
                      "%.1f %%",
                      largest * 100, widest, overstated * 100);
    } else {
        std::snprintf(text, sizeof text,
                      "datasheet and model part by up to %.1f %% (%s); cooling not overstated",
                      largest * 100, widest);
    }
    return text;
}

}  // namespace vantiq
