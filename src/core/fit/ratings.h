#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/rated_values.h"

namespace vantiq {

// A module as a vendor's datasheet describes it. Leg sizes of 0 are chosen
// from the footprint; a Qmax or AC resistance of 0 was not given.
struct Ratings {
    std::uint32_t couples = 0;
    double ratedThotC = 25.0;   // °C
    double imax = 0.0;          // A
    double umax = 0.0;          // V
    double dtMax = 0.0;         // K, a positive difference
    double qmax = 0.0;          // W
    double width = 0.0;         // mm
    double length = 0.0;        // mm
    double height = 0.0;        // mm
    double pelletLength = 0.0;  // m
    double pelletSide = 0.0;    // m
    double acResistance = 0.0;  // Ω
};

// Which ratings the fit keeps. Three can be met exactly; the fourth follows
// from the model, or all are balanced against each other.
enum class FitMode {
    LeastLargest,       // the largest deviation of Imax, Umax, dTmax and Qmax as small as it can be
    KeepImaxUmaxDtmax,  // Qmax and AC resistance are reported
    KeepImaxDtmaxQmax,  // Umax and AC resistance are reported
    BalanceAll,         // least squares over every rating given
};

// The mode a word names, as every front end takes it: minimax,
// imax-umax-dtmax, imax-dtmax-qmax or balance; nullopt for any other word.
std::optional<FitMode> FitModeNamed(std::string_view word);

// How far the derived values lie from the ratings: relative (0.01 = 1 %)
// for Imax, Umax, Qmax and AC resistance, in kelvin for dTmax (derived
// minus rated). NaN for a rating the datasheet did not give.
struct RatingDeviations {
    double imax = 0.0;
    double umax = 0.0;
    double dtMax = 0.0;
    double qmax = 0.0;
    double acResistance = 0.0;
};

// The deviations of `derived` (signed dtMax, as the derivation gives it).
RatingDeviations DeviationsOf(const Ratings& ratings, const RatedValues& derived);

// In one line, how far the model derived as `derived` and the datasheet part
// over Imax, Umax, dTmax (relative to the rated dTmax) and Qmax, and whether
// that overstates cooling (a Qmax or dTmax above the rating): "datasheet and
// model agree within 0.5 %", or "datasheet and model part by up to 3.1 %
// (Qmax); cooling overstated by up to 3.1 %".
std::string FitVerdict(const Ratings& ratings, const RatedValues& derived);

}  // namespace vantiq
