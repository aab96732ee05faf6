#include "core/fit/minimax_fit.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "core/fit/fit_constants.h"
#include "core/fit/grid_aim.h"
#include "core/fit/landed_rating.h"

namespace vantiq {
namespace {

using Vec4 = VecN<4>;
using Deviations = std::vector<double>;  // Imax, Umax, dTmax and Qmax when rated
using Jacobian = std::vector<Vec4>;      // a row per deviation

struct Problem {
    const TemRecord& g;
    double th;
    std::vector<double> rated;
};

std::optional<RatedValues> Landed(const Problem& problem, const Vec4& v) {
    return LandedRatings(WithConstants(problem.g, {v[0], v[1], v[2]}), problem.th, v[3]);
}

std::optional<Deviations> DeviationsAt(const Problem& problem, const Vec4& v) {
    const auto landed = Landed(problem, v);
    if (!landed)
        return std::nullopt;
    const double values[] = {landed->imax, landed->umax, -landed->dtMax, landed->qmax};
    Deviations d(problem.rated.size());
    for (std::size_t i = 0; i < d.size(); ++i)
        d[i] = values[i] / problem.rated[i] - 1;
    return d;
}

double Largest(const Deviations& d) {
    double largest = 0;
    for (double x : d)
        largest = std::max(largest, std::fabs(x));
    return largest;
}

std::optional<Jacobian> SlopesAt(const Problem& problem, const Vec4& v, const Deviations& now) {
    constexpr double h = 1e-7;
    Jacobian slopes(now.size());
    for (std::size_t k = 0; k < 4; ++k) {
        Vec4 moved = v;
        moved[k] += h;
        const auto there = DeviationsAt(problem, moved);
        if (!there)
            return std::nullopt;
        for (std::size_t i = 0; i < now.size(); ++i)
            slopes[i][k] = ((*there)[i] - now[i]) / h;
    }
    return slopes;
}

Mat3 ConstantColumns(const Jacobian& slopes, std::size_t without) {
    Mat3 a{};
    for (std::size_t i = 0, row = 0; i < slopes.size(); ++i)
        if (i != without)
            a[row++] = {slopes[i][0], slopes[i][1], slopes[i][2]};
    return a;
}

// The step of the constants alone that makes the linearised deviations `d`
// as small as they can all be. The constants move the four deviations only
// within a space of three, so one weighted sum c·d stays whatever they do
// (c: the signed minors); the least largest deviation puts every one at
// the same size with the sign of its weight.
std::optional<Vec3> EvenStep(const Jacobian& slopes, const Deviations& d) {
    double c[4], sum = 0, weight = 0;
    std::size_t best = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        c[i] = (i % 2 ? -1 : 1) * Determinant3(ConstantColumns(slopes, i));
        sum += c[i] * d[i];
        weight += std::fabs(c[i]);
        best = std::fabs(c[i]) > std::fabs(c[best]) ? i : best;
    }
    if (!(weight > 0))
        return std::nullopt;
    Vec3 change{};
    for (std::size_t i = 0, row = 0; i < 4; ++i)
        if (i != best)
            change[row++] = (c[i] > 0 ? 1 : c[i] < 0 ? -1 : 0) * sum / weight - d[i];
    return Solve3(ConstantColumns(slopes, best), change);
}

// The step to the linearised optimum: exact where the reach may follow,
// else with the reach at the edge of its range and the rest evened out.
std::optional<Vec4> StepFor(const Jacobian& slopes, const Deviations& d, double reach) {
    if (d.size() == 3) {
        const auto p = Solve3(ConstantColumns(slopes, 3), {-d[0], -d[1], -d[2]});
        return p ? std::optional<Vec4>(Vec4{(*p)[0], (*p)[1], (*p)[2], 0}) : std::nullopt;
    }
    MatN<4> a{};
    for (std::size_t i = 0; i < 4; ++i)
        a[i] = slopes[i];
    const auto exact = SolveLinear<4>(a, {-d[0], -d[1], -d[2], -d[3]});
    if (!exact)
        return std::nullopt;
    const double next = reach + (*exact)[3];
    if (next >= 0 && next <= 2)
        return exact;
    const double reachStep = std::clamp(next, 0.0, 2.0) - reach;
    Deviations shifted = d;
    for (std::size_t i = 0; i < 4; ++i)
        shifted[i] += slopes[i][3] * reachStep;
    const auto p = EvenStep(slopes, shifted);
    return p ? std::optional<Vec4>(Vec4{(*p)[0], (*p)[1], (*p)[2], reachStep}) : std::nullopt;
}

// Shortens a step until it lowers the largest deviation; false when no
// length does.
bool TakeStep(const Problem& problem, Vec4& v, Deviations& d, const Vec4& step) {
    double t = 1;
    for (int halving = 0; halving < 12; ++halving, t /= 2) {
        const Vec4 next{v[0] + t * step[0], v[1] + t * step[1], v[2] + t * step[2],
                        v[3] + t * step[3]};
        const auto there = DeviationsAt(problem, next);
        if (there && Largest(*there) < Largest(d)) {
            v = next;
            d = *there;
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<LeastLargestFit> FitLeastLargest(const TemRecord& g, double th, const Vec3& p,
                                               const Ratings& r) {
    Problem problem{g, th, {r.imax, r.umax, r.dtMax}};
    if (r.qmax > 0)
        problem.rated.push_back(r.qmax);
    Vec4 v{p[0], p[1], p[2], kUsualReach};
    auto d = DeviationsAt(problem, v);
    for (int iteration = 0; d && Largest(*d) > 1e-12 && iteration < 40; ++iteration) {
        const auto slopes = SlopesAt(problem, v, *d);
        const auto step = slopes ? StepFor(*slopes, *d, v[3]) : std::nullopt;
        if (!step || !TakeStep(problem, v, *d, *step))
            break;
    }
    const auto landed = d ? Landed(problem, v) : std::nullopt;
    if (!landed)
        return std::nullopt;
    return LeastLargestFit{{v[0], v[1], v[2]}, v[3], *landed, Largest(*d)};
}

std::optional<TemRecord> LandOnGrid(const TemRecord& g, double th, const LeastLargestFit& fit,
                                    bool heatRated) {
    const double imax = fit.landed.imax;
    const double cell = NearestCell(th + fit.landed.dtMax);
    if (!heatRated) {
        // Half a step of a nominal current equal to Imax below it.
        const auto p = AimAtGrid(g, th, fit.p, {imax, imax / 100, cell, fit.landed.umax, 0});
        if (!p)
            return std::nullopt;
        TemRecord record = WithConstants(g, *p);
        record.file.nominalCurrent = imax;
        return record;
    }
    const Landing landing = LandingAt(fit.reach);
    const auto p =
        AimAtGrid(g, th, fit.p, {imax, 0, cell, fit.landed.umax, fit.landed.qmax, landing.gap});
    if (!p)
        return std::nullopt;
    TemRecord record = WithConstants(g, *p);
    // The steps must put the lowest current that balances in the cell above
    // the step below Imax: a step longer than the share above, and Imax on
    // the hundredth step where that allows.
    const double share = 1 - LowestBalancingCurrent(record, th, cell) / imax;
    const double steps = share > 0 ? std::clamp(std::floor(0.98 / share), 1.0, 100.0) : 100.0;
    record.file.nominalCurrent = imax * 100 / steps;
    return record;
}

std::optional<DerivedModule> FitLeastLargestThroughDerivation(const Ratings& r, const TemRecord& g,
                                                              double th, const Vec3& start) {
    const auto fit = FitLeastLargest(g, th, start, r);
    const auto record = fit ? LandOnGrid(g, th, *fit, r.qmax > 0) : std::nullopt;
    if (!record)
        return std::nullopt;
    TemRecord derived = *record;
    if (!DeriveRatedValues(derived, th))
        return std::nullopt;
    return DerivedModule{*record, derived.rated};
}

}  // namespace vantiq
