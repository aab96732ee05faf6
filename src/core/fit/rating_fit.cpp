#include "core/fit/rating_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "core/fit/continuous_rating.h"
#include "core/fit/fit_algebra.h"
#include "core/fit/fit_constants.h"
#include "core/fit/grid_aim.h"
#include "core/fit/minimax_fit.h"
#include "core/fit/ratings_check.h"
#include "core/model/celsius.h"
#include "core/model/performance_model.h"
#include "core/model/plausible_inputs.h"

namespace vantiq {
namespace {

constexpr double kFootprintFill = 0.35;       // share of the ceramic the legs cover
constexpr double kTypicalConductivity = 1e5;  // S/m, bismuth telluride

// The fit works on logarithms, so that every rating weighs by its relative
// deviation: Imax, Umax, dTmax, Qmax, AC resistance.
enum Coord { kI, kU, kDt, kQ, kR, kCoords };
using Coords = std::array<double, kCoords>;
using Rows = std::vector<int>;

Coords CoordsOf(const RatedValues& v) {
    return {std::log(v.imax), std::log(v.umax), std::log(-v.dtMax), std::log(v.qmax),
            std::log(v.acResistance)};
}

Coords RatedCoords(const Ratings& r) {
    return CoordsOf({r.imax, r.umax, -r.dtMax, r.qmax, r.acResistance});
}

std::string Format(const char* format, double a, double b = 0, double c = 0) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// The module's resistance as the constant-property model reads it from
// Umax = S·Th and Imax = S·Tc/R.
double ModuleResistance(const Ratings& r) {
    const double th = r.ratedThotC + kCelsiusOffset;
    return r.umax / th * (th - r.dtMax) / r.imax;
}

// Leg sizes from the datasheet, or a typical fill of the footprint and the
// length that gives bismuth telluride's conductivity; only σ·A/L and κ·A/L
// matter to the model, so the length only keeps the constants familiar.
void ChooseLegs(const Ratings& r, RatingFit& fit) {
    FileFields& g = fit.record.file;
    fit.legsAssumed = !(r.pelletLength > 0 && r.pelletSide > 0);
    if (!fit.legsAssumed) {
        g.pelletLength = r.pelletLength;
        g.pelletSide = r.pelletSide;
        return;
    }
    const double sideMm = std::sqrt(kFootprintFill * r.width * r.length / (2.0 * r.couples));
    g.pelletSide = std::max(10.0, std::round(sideMm * 100)) / 1e5;
    const double area = g.pelletSide * g.pelletSide;
    const double legs = ModuleResistance(r) - 4.0 * r.couples * kContactResistivity / area;
    const double lengthMm = kTypicalConductivity * area * legs / (2.0 * r.couples) * 1e3;
    g.pelletLength = std::clamp(std::round(lengthMm * 100), 20.0, 500.0) / 1e5;
    fit.assumption = Format("legs assumed: %.2f mm square (%.0f %% of the footprint), %.2f mm long",
                            g.pelletSide * 1e3, kFootprintFill * 100, g.pelletLength * 1e3);
}

// The constant-property model: Umax = S·Th, Imax = S·Tc/R, dTmax = Z·Tc²/2,
// with the model's temperature factors at m = -dTmax / 2.
Vec3 ClosedFormStart(const Ratings& r, const TemRecord& g) {
    const double th = r.ratedThotC + kCelsiusOffset;
    const double tc = th - r.dtMax;
    const double m = -r.dtMax / 2;
    const double n = r.couples;
    const double moduleSeebeck = r.umax / th;
    const double resistance = ModuleResistance(r);
    const double z = 2 * r.dtMax / (tc * tc);
    const double conductance = moduleSeebeck * moduleSeebeck / (resistance * z);
    const double shape = g.file.pelletLength / (g.file.pelletSide * g.file.pelletSide);
    const double alpha = moduleSeebeck / (n * (2 + 0.0036 * m));
    const double rhoSum = resistance / (n * shape);  // ρ1 + ρ2
    const double sigma = (1 / (1 - 0.004 * m) + 1 / (1 - 0.006 * m)) / rhoSum;
    const double kappa = conductance * shape / (2 * n * (1 - 0.0018 * m));
    return {std::log(alpha), std::log(sigma), std::log(kappa)};
}

std::optional<Coords> Continuous(const TemRecord& g, const Vec3& p, double th) {
    const auto values = ContinuousRatedValues(WithConstants(g, p), th);
    if (!values)
        return std::nullopt;
    return CoordsOf(*values);
}

// The slopes of every coordinate by each constant.
using Slopes = std::array<Vec3, kCoords>;

std::optional<Slopes> SlopesAt(const TemRecord& g, const Vec3& p, const Coords& now, double th) {
    constexpr double h = 1e-5;
    Slopes slopes{};
    for (int k = 0; k < 3; ++k) {
        Vec3 q = p;
        q[k] += h;
        const auto moved = Continuous(g, q, th);
        if (!moved)
            return std::nullopt;
        for (int i = 0; i < kCoords; ++i)
            slopes[i][k] = ((*moved)[i] - now[i]) / h;
    }
    return slopes;
}

// The change of the constants that best moves `rows` by `change`: exact for
// three rows, least squares (normal equations) for more.
std::optional<Vec3> StepFor(const Slopes& slopes, const Rows& rows, const Coords& change) {
    Mat3 a{};
    Vec3 b{};
    if (rows.size() == 3) {
        for (int i = 0; i < 3; ++i) {
            a[i] = slopes[rows[i]];
            b[i] = change[rows[i]];
        }
        return Solve3(a, b);
    }
    for (int row : rows)
        for (int i = 0; i < 3; ++i) {
            b[i] += slopes[row][i] * change[row];
            for (int k = 0; k < 3; ++k)
                a[i][k] += slopes[row][i] * slopes[row][k];
        }
    return Solve3(a, b);
}

Coords Difference(const Coords& target, const Coords& now) {
    Coords d{};
    for (int i = 0; i < kCoords; ++i)
        d[i] = target[i] - now[i];
    return d;
}

// Newton (Gauss-Newton for more than three rows) on the smooth model; a step
// that leaves the model's reach is halved.
struct SmoothSolution {
    Vec3 p;
    Coords values;
    Slopes slopes;
};

std::optional<SmoothSolution> SolveSmooth(const TemRecord& g, double th, Vec3 p,
                                          const Coords& target, const Rows& rows) {
    auto now = Continuous(g, p, th);
    for (int iteration = 0; now && iteration < 40; ++iteration) {
        const auto slopes = SlopesAt(g, p, *now, th);
        const auto step = slopes ? StepFor(*slopes, rows, Difference(target, *now)) : std::nullopt;
        if (!step)
            return std::nullopt;
        const double size =
            std::max({std::fabs((*step)[0]), std::fabs((*step)[1]), std::fabs((*step)[2])});
        if (size < 1e-10)
            return SmoothSolution{p, *now, *slopes};
        Vec3 scaled = *step;
        for (int halving = 0; halving < 20; ++halving) {
            const Vec3 next{p[0] + scaled[0], p[1] + scaled[1], p[2] + scaled[2]};
            if (auto moved = Continuous(g, next, th)) {
                p = next;
                now = moved;
                break;
            }
            for (double& s : scaled)
                s /= 2;
        }
    }
    return std::nullopt;
}

// How far `derived` lies from `target` on `rows`, in units of the tolerance.
double ToleranceUsed(const RatedValues& derived, const Coords& target, const Rows& rows) {
    const Coords now = CoordsOf(derived);
    double used = 0;
    for (int row : rows) {
        const double miss = row == kDt ? std::fabs(std::exp(now[row]) - std::exp(target[row])) / 0.1
                                       : std::fabs(std::exp(now[row] - target[row]) - 1) / 0.005;
        used = std::max(used, std::isfinite(miss) ? miss : INFINITY);
    }
    return used;
}

// How far `derived` lies from `target` on `rows`: for three rows in units of
// the tolerance (at most 1 meets it), for more the sum of squares that the
// balance minimises.
double Miss(const RatedValues& derived, const Coords& target, const Rows& rows) {
    if (rows.size() > 3) {
        const Coords d = Difference(target, CoordsOf(derived));
        double sum = 0;
        for (int row : rows)
            sum += d[row] * d[row];
        return std::isfinite(sum) ? sum : INFINITY;
    }
    return ToleranceUsed(derived, target, rows);
}

struct Attempt {
    Vec3 p{};
    RatedValues derived;
    double miss = INFINITY;
    double nominal = 0;  // the nominal current of the derivation's scan
};

// Rounds through the real derivation, whose current steps and temperature
// grid shift the ratings slightly from the smooth model's: each round aims
// the constants by the smooth slopes at what the last derivation missed.
Attempt Reaim(const TemRecord& g, double th, const Slopes& slopes, Vec3 p, const Coords& target,
              const Rows& rows, int rounds) {
    Attempt best;
    for (int round = 0; round < rounds; ++round) {
        TemRecord record = WithConstants(g, p);
        if (!DeriveRatedValues(record, th))
            break;
        const RatedValues derived = record.rated;
        const double miss = Miss(derived, target, rows);
        if (miss < best.miss)
            best = {p, derived, miss};
        if (rows.size() == 3 && miss <= 1)
            break;
        const auto step = StepFor(slopes, rows, Difference(target, CoordsOf(derived)));
        if (!step ||
            std::max({std::fabs((*step)[0]), std::fabs((*step)[1]), std::fabs((*step)[2])}) < 1e-4)
            break;
        p = {p[0] + (*step)[0], p[1] + (*step)[1], p[2] + (*step)[2]};
    }
    best.nominal = g.file.nominalCurrent;
    return best;
}

// Lands the derivation on the rated Imax and dTmax cell directly; the
// ratings of modes with three rows only.
Attempt AimedAttempt(const Ratings& r, TemRecord g, double th, const SmoothSolution& start,
                     const Rows& rows) {
    const bool keepVoltage = rows[1] == kU;
    const GridAim aim{r.imax, r.imax / 100, NearestCell(th - r.dtMax), keepVoltage ? r.umax : 0,
                      r.qmax};
    g.file.nominalCurrent = r.imax;
    const auto p = AimAtGrid(g, th, start.p, aim);
    return p ? Reaim(g, th, start.slopes, *p, RatedCoords(r), rows, 1) : Attempt{};
}

// Near a cell's edge the re-aiming can jump between the current steps
// either side of the rating; another nominal current shifts the steps
// against the cells.
Attempt MeetThroughDerivation(const Ratings& r, TemRecord g, double th, const SmoothSolution& start,
                              const Rows& rows) {
    const Coords target = RatedCoords(r);
    Attempt best = rows.size() == 3 ? AimedAttempt(r, g, th, start, rows) : Attempt{};
    constexpr int kSteps[] = {100, 99, 101, 98, 102};
    Vec3 p = start.p;
    for (int steps : kSteps) {
        if (rows.size() == 3 && best.miss <= 1)
            break;
        g.file.nominalCurrent = r.imax * 100 / steps;
        const Attempt attempt = Reaim(g, th, start.slopes, p, target, rows, 4);
        if (attempt.miss < best.miss)
            best = attempt;
        if (rows.size() > 3)
            break;
        p = best.p;
    }
    return best;
}

Rows SmoothRows(const Ratings& r, FitMode mode) {
    if (mode == FitMode::KeepImaxDtmaxQmax)
        return {kI, kDt, kQ};
    Rows rows{kI, kU, kDt};
    if (mode == FitMode::BalanceAll && r.qmax > 0)
        rows.push_back(kQ);
    if (mode == FitMode::BalanceAll && r.acResistance > 0)
        rows.push_back(kR);
    return rows;
}

// Given legs must give the stated resistance with a conductivity that
// bismuth telluride can have.
std::string LegFitProblem(const RatingFit& fit) {
    const double sigma = fit.record.file.electricalConductivity;
    if (fit.legsAssumed || (sigma >= kLowestConductivity && sigma <= kHighestConductivity))
        return {};
    char text[200];
    std::snprintf(text, sizeof text,
                  "the legs (%.2f mm side, %.2f mm long) are too %s for the stated resistance: "
                  "they would need %.3g S/m",
                  fit.record.file.pelletSide * 1e3, fit.record.file.pelletLength * 1e3,
                  sigma > kHighestConductivity ? "thin" : "thick", sigma);
    return text;
}

std::string Unreached(const RatedValues& best) {
    return Format("the model reaches at best Imax %.2f A, Umax %.2f V and dTmax %.1f K", best.imax,
                  best.umax, -best.dtMax);
}

void PrepareRecord(const Ratings& r, RatingFit& fit) {
    FileFields& g = fit.record.file;
    g.pelletCount = r.couples;
    g.width = r.width;
    g.length = r.length;
    g.height = r.height;
    ChooseLegs(r, fit);
}

}  // namespace

RatingFit FitRatings(const Ratings& r, FitMode mode) {
    RatingFit fit;
    if (auto problem = RatingsProblem(r)) {
        fit.problem = *problem;
        return fit;
    }
    if (mode == FitMode::KeepImaxDtmaxQmax && !(r.qmax > 0)) {
        fit.problem = "keeping Qmax needs the rated Qmax";
        return fit;
    }
    PrepareRecord(r, fit);
    const double th = r.ratedThotC + kCelsiusOffset;
    const Rows rows = SmoothRows(r, mode);
    const auto smooth =
        SolveSmooth(fit.record, th, ClosedFormStart(r, fit.record), RatedCoords(r), rows);
    if (!smooth) {
        fit.problem = "the model cannot reach these ratings";
        return fit;
    }
    if (mode == FitMode::LeastLargest) {
        // Where that fails on the way, Imax, Umax and dTmax are kept instead.
        if (auto landed = FitLeastLargestThroughDerivation(r, fit.record, th, smooth->p)) {
            fit.record = std::move(landed->record);
            fit.derived = landed->derived;
            fit.problem = LegFitProblem(fit);
            return fit;
        }
    }
    const Attempt best = MeetThroughDerivation(r, fit.record, th, *smooth, rows);
    fit.record = WithConstants(fit.record, best.p);
    fit.record.file.nominalCurrent = best.nominal;
    fit.derived = best.derived;
    if (!std::isfinite(best.miss))
        fit.problem = "the model cannot reach these ratings";
    else if (rows.size() == 3 && best.miss > 1)
        fit.problem = Unreached(best.derived);
    else
        fit.problem = LegFitProblem(fit);
    return fit;
}

}  // namespace vantiq
