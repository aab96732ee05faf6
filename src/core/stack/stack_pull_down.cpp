#include "core/stack/stack_pull_down.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/advisor/fastest_current.h"
#include "core/model/performance_model.h"
#include "core/model/pull_down_time.h"
#include "core/parallel/parallel_for.h"

namespace vantiq {
namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();
constexpr double kReach = 160.0;        // K, the widest step of the plate's bracket
constexpr double kResolution = 1e-9;    // K
constexpr double kFirstWidening = 5.0;  // K

double Limit(double supply) {
    return supply > 0.0 ? supply : kNoLimit;
}

// The coefficients of both stages at one state of the stack.
struct StackState {
    OperatingCoefficients top;
    OperatingCoefficients bottom;
};

StackState StateAt(const TemRecord& top, const TemRecord& bottom, double tc, double between,
                   double th) {
    return {CoefficientsAt(top, tc, between), CoefficientsAt(bottom, between, th)};
}

// The most current a set of `n` modules with coefficients `k` takes within
// `volts`.
double WithinVolts(const OperatingCoefficients& k, double n, double volts) {
    return (volts / n - k.seebeckVoltage) / k.resistance;
}

void BoundSeparate(const StackState& s, const StackPoint& p, double volts, StackPullDown& d) {
    d.current = std::min(d.current, WithinVolts(s.top, p.upper.modules, volts));
    d.currentBottom = std::min(d.currentBottom, WithinVolts(s.bottom, p.lower.modules, volts));
}

void BoundShared(const StackState& s, const StackPoint& p, double volts, StackPullDown& d) {
    const double n = p.upper.modules;
    const double m = p.lower.modules;
    const double seebeck = n * s.top.seebeckVoltage + m * s.bottom.seebeckVoltage;
    const double resistance = n * s.top.resistance + m * s.bottom.resistance;
    d.current = std::min(d.current, (volts - seebeck) / resistance);
    d.currentBottom = d.current;
}

// What the bottom set pumps beyond what the top set rejects (W).
double PlateSurplus(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                    const StackPullDown& drive, double tc, double between) {
    const double i = drive.current;
    const double rejected =
        ColdSideHeat(top, i, tc, between) + i * ModuleVoltage(top, i, tc, between);
    return p.lower.modules * ColdSideHeat(bottom, drive.currentBottom, between, p.thot) -
           p.upper.modules * rejected;
}

}  // namespace

StackPullDown PullDownCurrents(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                               const StackDuty& duty) {
    const double amps = Limit(duty.supplyCurrent);
    StackPullDown d{std::min(top.rated.imax, amps), std::min(bottom.rated.imax, amps),
                    std::nullopt};
    if (p.currents == StageCurrents::Shared) {
        d.current = d.currentBottom = std::min(d.current, d.currentBottom);
    }
    if (duty.supplyVoltage > 0.0) {
        const double tc = p.thot - p.dt;
        for (const StackState& s : {StateAt(top, bottom, p.thot, p.thot, p.thot),
                                    StateAt(top, bottom, tc, p.between, p.thot)}) {
            (p.currents == StageCurrents::Shared ? BoundShared : BoundSeparate)(
                s, p, duty.supplyVoltage, d);
        }
    }
    d.current = std::max(d.current, 0.0);
    d.currentBottom = std::max(d.currentBottom, 0.0);
    return d;
}

double BetweenDuring(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                     const StackPullDown& drive, double tc) {
    const auto surplus = [&](double t) { return PlateSurplus(top, bottom, p, drive, tc, t); };
    // The bottom pumps more the warmer the plate and the top rejects little
    // more, so the surplus rises through zero once; the bracket around the
    // two sides widens until it holds that crossing.
    double low = std::min(tc, p.thot);
    double high = std::max(tc, p.thot);
    double fLow = surplus(low);
    double fHigh = surplus(high);
    for (double widen = kFirstWidening; !(fLow < 0.0 && fHigh > 0.0); widen *= 2) {
        if (widen > kReach) {
            return std::nan("");
        }
        if (!(fLow < 0.0)) {
            low -= widen;
            fLow = surplus(low);
        }
        if (!(fHigh > 0.0)) {
            high += widen;
            fHigh = surplus(high);
        }
    }
    // Regula falsi with the Illinois halving, which keeps both ends moving.
    int side = 0;
    while (high - low > kResolution) {
        const double t = std::clamp(high - fHigh * (high - low) / (fHigh - fLow), low, high);
        const double f = surplus(t);
        if (f == 0.0) {
            return t;
        }
        if (f < 0.0) {
            low = t;
            fLow = f;
            fHigh /= side == -1 ? 2 : 1;
            side = -1;
        } else {
            high = t;
            fHigh = f;
            fLow /= side == 1 ? 2 : 1;
            side = 1;
        }
    }
    return low + (high - low) / 2;
}

std::optional<double> StackSeconds(const TemRecord& top, const TemRecord& bottom,
                                   const StackPoint& p, const StackPullDown& drive,
                                   const StackDuty& duty, double mass) {
    const auto net = [&](double tc) {
        const double between = BetweenDuring(top, bottom, p, drive, tc);
        return p.upper.modules * ColdSideHeat(top, drive.current, tc, between) - duty.heat;
    };
    return PullDownSeconds(net, p.thot - p.dt, p.thot, mass);
}

StackPullDown PullDownStack(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                            const StackDuty& duty, double mass) {
    const StackPullDown bound = PullDownCurrents(top, bottom, p, duty);
    const auto seconds = [&](double i, double iBottom) {
        return StackSeconds(top, bottom, p, {i, iBottom, std::nullopt}, duty, mass);
    };
    if (p.currents == StageCurrents::Shared) {
        const TimedCurrent t =
            FastestCurrent([&](double i) { return seconds(i, i); }, bound.current, p.upper.current);
        return {t.current, t.current, t.seconds};
    }
    // Each top current with its fastest bottom current, the bottom's search
    // nested in the top's; the bottom's best is mostly its bound, found in
    // two evaluations. The fastest pair is kept as the top's search picks
    // its current: the least time, ties to the higher top current.
    StackPullDown fastest{bound.current, bound.currentBottom, std::nullopt};
    const auto withBestBottom = [&](double i) {
        const TimedCurrent b = FastestCurrent([&](double iBottom) { return seconds(i, iBottom); },
                                              bound.currentBottom, p.lower.current);
        if (b.seconds && (!fastest.seconds || *b.seconds < *fastest.seconds ||
                          (*b.seconds == *fastest.seconds && i > fastest.current))) {
            fastest = {i, b.current, b.seconds};
        }
        return b.seconds;
    };
    FastestCurrent(withBestBottom, bound.current, p.upper.current);
    return fastest;
}

std::vector<StackPullDown> StackPullDowns(const TemBase& base, const StackRequest& request,
                                          const std::vector<StackPoint>& stacks) {
    const SearchCriteria& c = request.advice.criteria;
    std::vector<StackPullDown> pullDowns(stacks.size());
    ParallelFor(stacks.size(), [&](std::size_t i) {
        const StackPoint& p = stacks[i];
        const StackDuty duty{c.requiredQ, p.thot - p.dt,   p.thot,
                             p.currents,  c.supplyVoltage, c.supplyCurrent};
        pullDowns[i] = PullDownStack(base.records[p.top], base.records[p.bottom], p, duty,
                                     request.advice.coldMass.value_or(0.0));
    });
    return pullDowns;
}

}  // namespace vantiq
