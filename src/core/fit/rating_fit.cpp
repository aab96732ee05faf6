#include "core/fit/rating_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "core/model/celsius.h"

namespace vantiq {
namespace {

constexpr double kFootprintFill = 0.35;       // share of the ceramic the legs cover
constexpr double kDefaultLegLength = 1.2e-3;  // m; only σ·A/L and κ·A/L matter

using Vec3 = std::array<double, 3>;
using Mat3 = std::array<Vec3, 3>;

bool Positive(double v) {
    return std::isfinite(v) && v > 0;
}

std::string Format(const char* format, double a, double b = 0) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

// Leg sizes from the datasheet, or a typical fill of the footprint.
void ChooseLegs(const Ratings& r, TemRecord& record, bool& assumed) {
    assumed = !(Positive(r.pelletLength) && Positive(r.pelletSide));
    if (!assumed) {
        record.file.pelletLength = r.pelletLength;
        record.file.pelletSide = r.pelletSide;
        return;
    }
    const double legArea = kFootprintFill * r.width * r.length / (2.0 * r.couples);  // mm²
    record.file.pelletSide = std::sqrt(legArea) * 1e-3;
    record.file.pelletLength = kDefaultLegLength;
}

// The constant-property model: Umax = S·Th, Imax = S·Tc/R, dTmax = Z·Tc²/2,
// with the model's temperature factors at m = -dTmax / 2.
Vec3 ClosedFormStart(const Ratings& r, const TemRecord& g) {
    const double th = r.ratedThotC + kCelsiusOffset;
    const double tc = th - r.dtMax;
    const double m = -r.dtMax / 2;
    const double n = r.couples;
    const double moduleSeebeck = r.umax / th;
    const double resistance = moduleSeebeck * tc / r.imax;
    const double z = 2 * r.dtMax / (tc * tc);
    const double conductance = moduleSeebeck * moduleSeebeck / (resistance * z);
    const double shape = g.file.pelletLength / (g.file.pelletSide * g.file.pelletSide);
    const double alpha = moduleSeebeck / (n * (2 + 0.0036 * m));
    const double rhoSum = resistance / (n * shape);  // ρ1 + ρ2
    const double sigma = (1 / (1 - 0.004 * m) + 1 / (1 - 0.006 * m)) / rhoSum;
    const double kappa = conductance * shape / (2 * n * (1 - 0.0018 * m));
    return {std::log(alpha), std::log(sigma), std::log(kappa)};
}

void SetConstants(TemRecord& record, const Vec3& p) {
    record.file.seebeckCoefficient = std::exp(p[0]);
    record.file.electricalConductivity = std::exp(p[1]);
    record.file.thermalConductivity = std::exp(p[2]);
}

// The derived ratings as fit coordinates: log Imax, log Umax, dTmax in K.
std::optional<Vec3> Derived(TemRecord record, const Vec3& p, double th, RatedValues* out) {
    SetConstants(record, p);
    if (!DeriveRatedValues(record, th))
        return std::nullopt;
    if (out)
        *out = record.rated;
    return Vec3{std::log(record.rated.imax), std::log(record.rated.umax), -record.rated.dtMax};
}

std::optional<Vec3> Solve(Mat3 a, Vec3 b) {
    for (int c = 0; c < 3; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 3; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-12)
            return std::nullopt;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (int r = 0; r < 3; ++r) {
            if (r == c)
                continue;
            const double f = a[r][c] / a[c][c];
            for (int k = 0; k < 3; ++k)
                a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    return Vec3{b[0] / a[0][0], b[1] / a[1][1], b[2] / a[2][2]};
}

bool WithinTolerance(const Ratings& r, const RatedValues& d) {
    return std::fabs(d.imax / r.imax - 1) <= 0.005 && std::fabs(d.umax / r.umax - 1) <= 0.005 &&
           std::fabs(-d.dtMax - r.dtMax) <= 0.1;
}

// One Newton step on the three constants, the slopes taken over a few
// per cent so that the derivation's discrete scans do not dominate them.
std::optional<Vec3> NewtonStep(const TemRecord& g, const Vec3& p, const Vec3& now,
                               const Vec3& target, double th) {
    constexpr double h = 0.02;
    Mat3 jacobian{};
    for (int k = 0; k < 3; ++k) {
        Vec3 q = p;
        q[k] += h;
        const auto moved = Derived(g, q, th, nullptr);
        if (!moved)
            return std::nullopt;
        for (int i = 0; i < 3; ++i)
            jacobian[i][k] = ((*moved)[i] - now[i]) / h;
    }
    const auto step = Solve(jacobian, {target[0] - now[0], target[1] - now[1], target[2] - now[2]});
    if (!step)
        return std::nullopt;
    return Vec3{p[0] + (*step)[0], p[1] + (*step)[1], p[2] + (*step)[2]};
}

}  // namespace

std::optional<std::string> RatingsProblem(const Ratings& r) {
    if (r.couples == 0 || !Positive(r.imax) || !Positive(r.umax) || !Positive(r.dtMax) ||
        !Positive(r.width) || !Positive(r.length) || !Positive(r.height) || r.qmax < 0 ||
        r.pelletLength < 0 || r.pelletSide < 0)
        return "couples, Imax, Umax, dTmax and the sizes must be positive numbers";
    if (!(r.ratedThotC >= -50 && r.ratedThotC <= 100))
        return Format("the rated hot side %.1f °C lies outside -50...100 °C", r.ratedThotC);
    const double perCouple =
        r.umax / r.couples * (25.0 + kCelsiusOffset) / (r.ratedThotC + kCelsiusOffset);
    if (perCouple < 0.08 || perCouple > 0.18)
        return Format(
            "Umax is %.3f V per couple, far outside 0.08...0.18 V: were pellets "
            "counted instead of couples?",
            perCouple);
    const double th = r.ratedThotC + kCelsiusOffset;
    const double tc = th - r.dtMax;
    const double zt = 2 * r.dtMax / (tc * tc) * (th + tc) / 2;
    if (tc <= 0 || zt > 1.2)
        return Format(
            "dTmax %.1f K needs ZT %.2f, beyond a single stage: is it a multistage "
            "module?",
            r.dtMax, tc > 0 ? zt : INFINITY);
    return std::nullopt;
}

RatingFit FitRatings(const Ratings& r) {
    RatingFit fit;
    if (auto problem = RatingsProblem(r)) {
        fit.problem = *problem;
        return fit;
    }
    TemRecord& g = fit.record;
    g.file.pelletCount = r.couples;
    g.file.width = r.width;
    g.file.length = r.length;
    g.file.height = r.height;
    g.file.nominalCurrent = r.imax;  // the nominal current bounds the scan up to twice it
    ChooseLegs(r, g, fit.legsAssumed);
    const double th = r.ratedThotC + kCelsiusOffset;
    const Vec3 target{std::log(r.imax), std::log(r.umax), r.dtMax};
    Vec3 p = ClosedFormStart(r, g);
    for (int round = 0; round < 20; ++round) {
        const auto now = Derived(g, p, th, &fit.derived);
        if (!now)
            break;
        if (WithinTolerance(r, fit.derived)) {
            SetConstants(g, p);
            return fit;
        }
        const auto next = NewtonStep(g, p, *now, target, th);
        if (!next)
            break;
        p = *next;
    }
    SetConstants(g, p);
    fit.problem = Format("the model reaches at best Imax %.2f A and dTmax %.1f K", fit.derived.imax,
                         -fit.derived.dtMax);
    return fit;
}

}  // namespace vantiq
