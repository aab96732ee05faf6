#include "core/fit/ratings.h"

#include <cmath>

namespace vantiq {
namespace {

double Relative(double derived, double rated) {
    return rated > 0 ? derived / rated - 1 : NAN;
}

}  // namespace

std::optional<FitMode> FitModeNamed(std::string_view word) {
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

}  // namespace vantiq
