#include "core/stack/stack_solver.h"

#include <cmath>

namespace vantiq {
namespace {

constexpr double kPlateResolution = 1e-9;  // K

// A pair of modules and their counts under one duty, evaluated anywhere
// between the stages from the records themselves.
struct Pair {
    const TemRecord& top;
    std::int32_t topModules;
    const TemRecord& bottom;
    std::int32_t bottomModules;
    const StackDuty& duty;

    std::optional<StackPoint> Fed(double between) const {
        const auto p = SeparateStackAt(top, topModules, bottom, bottomModules, duty, between);
        return p && SupplyFeeds(*p, duty) ? p : std::nullopt;
    }
    std::optional<StackPoint> Shared(double between) const {
        return SharedStackAt(top, topModules, bottom, bottomModules, duty, between);
    }
};

bool Better(const std::optional<StackPoint>& a, const std::optional<StackPoint>& b) {
    return a && (!b || a->power < b->power);
}

// Golden-section search for the least power in [low, high], keeping the best
// point seen (which starts as `best`).
StackPoint LeastPower(const Pair& pair, double low, double high, StackPoint best) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    const auto power = [&](double t) {
        const auto p = pair.Fed(t);
        if (Better(p, best)) {
            best = *p;
        }
        return p ? p->power : INFINITY;
    };
    double a = high - ratio * (high - low);
    double b = low + ratio * (high - low);
    double pa = power(a);
    double pb = power(b);
    while (high - low > kPlateResolution) {
        if (pa <= pb) {
            high = b;
            b = a;
            pb = pa;
            a = high - ratio * (high - low);
            pa = power(a);
        } else {
            low = a;
            a = b;
            pa = pb;
            b = low + ratio * (high - low);
            pb = power(b);
        }
    }
    return best;
}

std::optional<StackPoint> SolveSeparate(const Pair& pair, const TopGrid& top,
                                        const BottomGrid& bottom) {
    std::optional<StackPoint> best;
    int bestK = -1;
    for (int k = 0; k < kBetweenPoints; ++k) {
        const double between = BetweenAt(pair.duty, k);
        const auto p = SeparateStackFrom(top.loads[k], pair.topModules, bottom.coefficients[k],
                                         pair.bottomModules, pair.duty, between);
        if (p && SupplyFeeds(*p, pair.duty) && Better(p, best)) {
            best = p;
            bestK = k;
        }
    }
    if (!best) {
        return best;
    }
    const double low = BetweenAt(pair.duty, bestK > 0 ? bestK - 1 : 0);
    const double high = BetweenAt(pair.duty, bestK + 1 < kBetweenPoints ? bestK + 1 : bestK);
    return LeastPower(pair, low, high, *best);
}

// Bisects the bottom's surplus between two temperatures where it has
// opposite signs; the balance found, or nullopt when the top gives out.
std::optional<StackPoint> Balance(const Pair& pair, double low, double high, bool lowShort) {
    std::optional<StackPoint> p;
    while (high - low > kPlateResolution) {
        const double middle = low + (high - low) / 2;
        p = pair.Shared(middle);
        if (!p) {
            return p;
        }
        if ((BottomSurplus(*p) < 0.0) == lowShort) {
            low = middle;
        } else {
            high = middle;
        }
    }
    p = pair.Shared(low + (high - low) / 2);
    return p && SupplyFeeds(*p, pair.duty) ? p : std::nullopt;
}

// Whether no balance between grid points k and k + 1 can be fed: the current
// and the top's voltage rise with the temperature between the stages, the
// bottom's Seebeck voltage falls and its resistance rises.
bool BeyondSupply(const Pair& pair, const TopGrid& top, const BottomGrid& bottom, int k) {
    const StackDuty& duty = pair.duty;
    const ModuleLoad& least = top.loads[k];
    const OperatingCoefficients& lower = bottom.coefficients[k + 1];
    const double volts = top.modules * least.voltage +
                         pair.bottomModules * (lower.seebeckVoltage +
                                               least.current * bottom.coefficients[k].resistance);
    return (duty.supplyVoltage > 0.0 && volts > duty.supplyVoltage) ||
           (duty.supplyCurrent > 0.0 && least.current > duty.supplyCurrent);
}

std::optional<StackPoint> SolveShared(const Pair& pair, const TopGrid& top,
                                      const BottomGrid& bottom) {
    std::optional<StackPoint> best;
    std::optional<StackPoint> previous;
    for (int k = 0; k < kBetweenPoints; ++k) {
        const double between = BetweenAt(pair.duty, k);
        const auto p = SharedStackFrom(top.loads[k], pair.topModules, bottom.coefficients[k],
                                       pair.bottomModules, pair.duty, between);
        if (p && previous && (BottomSurplus(*p) < 0.0) != (BottomSurplus(*previous) < 0.0) &&
            !BeyondSupply(pair, top, bottom, k - 1)) {
            const auto root =
                Balance(pair, previous->between, between, BottomSurplus(*previous) < 0.0);
            if (Better(root, best)) {
                best = root;
            }
        }
        previous = p;
    }
    return best;
}

}  // namespace

std::optional<StackPoint> SolveStack(const TemRecord& top, const TopGrid& topGrid,
                                     const TemRecord& bottom, const BottomGrid& bottomGrid,
                                     std::int32_t bottomModules, const StackDuty& duty) {
    const Pair pair{top, topGrid.modules, bottom, bottomModules, duty};
    return duty.currents == StageCurrents::Shared ? SolveShared(pair, topGrid, bottomGrid)
                                                  : SolveSeparate(pair, topGrid, bottomGrid);
}

std::optional<StackPoint> SolveStack(const TemRecord& top, std::int32_t topModules,
                                     const TemRecord& bottom, std::int32_t bottomModules,
                                     const StackDuty& duty) {
    return SolveStack(top, MakeTopGrid(top, topModules, duty), bottom, MakeBottomGrid(bottom, duty),
                      bottomModules, duty);
}

}  // namespace vantiq
