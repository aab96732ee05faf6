#include "core/fit/ratings_check.h"

#include <cmath>
#include <cstdio>

#include "core/model/celsius.h"
#include "core/model/performance_model.h"

namespace vantiq {
namespace {

bool Positive(double v) {
    return std::isfinite(v) && v > 0;
}

bool PositiveOrNotGiven(double v) {
    return std::isfinite(v) && v >= 0;
}

std::string Format(const char* format, double a, double b = 0) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

bool AllPositive(const Ratings& r) {
    return r.couples > 0 && Positive(r.imax) && Positive(r.umax) && Positive(r.dtMax) &&
           Positive(r.width) && Positive(r.length) && Positive(r.height) &&
           PositiveOrNotGiven(r.qmax) && PositiveOrNotGiven(r.acResistance) &&
           PositiveOrNotGiven(r.pelletLength) && PositiveOrNotGiven(r.pelletSide) &&
           std::isfinite(r.ratedThotC);
}

// Bismuth telluride gives about 0.08...0.18 V a couple at 25 °C, and the
// voltage grows with the hot side in proportion.
std::optional<std::string> VoltageProblem(const Ratings& r) {
    const double perCouple =
        r.umax / r.couples * (25.0 + kCelsiusOffset) / (r.ratedThotC + kCelsiusOffset);
    if (perCouple >= 0.08 && perCouple <= 0.18)
        return std::nullopt;
    return Format(
        "Umax is %.3f V per couple, far outside 0.08...0.18 V: were pellets counted instead of "
        "couples?",
        perCouple);
}

// dTmax = Z·Tc²/2 of the constant-property model gives the figure of merit
// the datasheet implies; no single stage of today's materials passes ZT 1.2.
std::optional<std::string> StageProblem(const Ratings& r) {
    const double th = r.ratedThotC + kCelsiusOffset;
    const double tc = th - r.dtMax;
    const double zt = tc > 0 ? 2 * r.dtMax / (tc * tc) * (th + tc) / 2 : INFINITY;
    if (zt <= 1.2)
        return std::nullopt;
    return Format("dTmax %.1f K needs ZT %.2f, beyond a single stage: is it a multistage module?",
                  r.dtMax, zt);
}

// The four contacts of every couple alone must stay below the stated
// resistance, or no leg material can give it.
std::optional<std::string> LegProblem(const Ratings& r) {
    if (!(r.acResistance > 0 && r.pelletSide > 0))
        return std::nullopt;
    const double contacts = 4.0 * r.couples * kContactResistivity / (r.pelletSide * r.pelletSide);
    if (contacts < r.acResistance)
        return std::nullopt;
    return Format(
        "legs of %.2f mm side are too thin for the stated resistance: their contacts alone have "
        "%.3g ohm",
        r.pelletSide * 1e3, contacts);
}

}  // namespace

std::optional<std::string> RatingsProblem(const Ratings& r) {
    if (!AllPositive(r))
        return "couples, Imax, Umax, dTmax and the sizes must be positive numbers";
    if (!(r.ratedThotC >= -50 && r.ratedThotC <= 100))
        return Format("the rated hot side %.1f °C lies outside -50...100 °C", r.ratedThotC);
    if (auto problem = VoltageProblem(r))
        return problem;
    if (auto problem = StageProblem(r))
        return problem;
    return LegProblem(r);
}

}  // namespace vantiq
