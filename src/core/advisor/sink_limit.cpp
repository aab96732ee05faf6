#include "core/advisor/sink_limit.h"

#include <algorithm>
#include <cmath>

#include "core/advisor/hot_side_balance.h"
#include "core/advisor/module_advice.h"
#include "core/advisor/sink_walk.h"
#include "core/model/hot_side.h"

namespace vantiq {
namespace {

constexpr double kResolution = 1e-9;      // K, of the hot side where the supply gives out
constexpr double kFigureShare = 1e-7;     // the figure's precision, as a share of it
constexpr double kLeastFigure = 1e-9;     // K/W, below which a figure is 0
constexpr double kPeakResolution = 1e-6;  // K, of the ratio's peak
constexpr int kMostDoublings = 64;

// One set of modules under sinks of one ambient and cold side.
class SinkedSet {
public:
    SinkedSet(const TemRecord& record, double heat, std::int32_t modules, Wiring wiring,
              const HeatSink& sink, const SearchCriteria& supply)
        : record_(record),
          heat_(heat),
          modules_(modules),
          wiring_(wiring),
          sink_(sink),
          supply_(supply) {}

    // Whether the set works within the supply at hot side `th`.
    bool WorksAt(double th) const {
        const auto p = SetPointAt(record_, heat_, modules_, wiring_, sink_.cold, th);
        return p && !SupplyRejection(*p, supply_);
    }

    // (Th - Ta) / Qh at hot side `th`: the resistance of the sink that
    // settles there; 0 where the set has no point.
    double Ratio(double th) const {
        const auto p = SetPointAt(record_, heat_, modules_, wiring_, sink_.cold, th);
        return p ? (th - sink_.ambient) / p->heatRejected : 0.0;
    }

    // Whether the set holds the load under a sink of resistance `r`, as the
    // advisor decides it.
    bool HoldsUnder(double r) const {
        HeatSink sink = sink_;
        sink.resistance = r;
        const SinkBalance b = BalanceHotSide(record_, heat_, modules_, wiring_, sink);
        return b.balanced && !SupplyRejection(*b.balanced, supply_);
    }

    double Ambient() const { return sink_.ambient; }

private:
    const TemRecord& record_;
    double heat_;
    std::int32_t modules_;
    Wiring wiring_;
    HeatSink sink_;
    const SearchCriteria& supply_;
};

// The highest hot side up to 373 K at which the set still works, given that
// it works at ambient; working is lost once and for good as the hot side
// rises, since both the current and the voltage needed grow with it.
double LastWorking(const SinkedSet& set) {
    double low = set.Ambient();
    double high = kMaxThot;
    if (set.WorksAt(high)) {
        return high;
    }
    while (high - low > kResolution) {
        const double middle = low + (high - low) / 2;
        (set.WorksAt(middle) ? low : high) = middle;
    }
    return low;
}

// The hot side in [low, high] where the ratio peaks, by golden sections.
double RatioPeak(const SinkedSet& set, double low, double high) {
    constexpr double kGolden = 0.6180339887498949;
    while (high - low > kPeakResolution) {
        const double a = high - kGolden * (high - low);
        const double b = low + kGolden * (high - low);
        if (set.Ratio(a) < set.Ratio(b)) {
            low = a;
        } else {
            high = b;
        }
    }
    return low + (high - low) / 2;
}

// The figure from the shape of the ratio: at the last working hot side while
// the ratio still rises there, else the most it reaches at a step of the
// sink's walk no warmer than that hot side.
double EstimatedFigure(const SinkedSet& set) {
    const double last = LastWorking(set);
    if (set.Ratio(last) >= set.Ratio(last - kPeakResolution)) {
        return set.Ratio(last);
    }
    const double peak = RatioPeak(set, set.Ambient(), last);
    const double stepped = (peak - set.Ambient()) / sink_walk::kStep;
    double best = 0.0;
    for (const double k : {std::floor(stepped), std::ceil(stepped)}) {
        const double th = set.Ambient() + k * sink_walk::kStep;
        if (th <= last) {
            best = std::max(best, set.Ratio(th));
        }
    }
    return best > 0.0 ? best : set.Ratio(last);
}

// Narrows (low, high], holding at `low` and not at `high`, to the figure's
// precision.
double Narrowed(const SinkedSet& set, double low, double high) {
    while (high - low > std::max(kFigureShare * high, kLeastFigure)) {
        const double middle = low + (high - low) / 2;
        (set.HoldsUnder(middle) ? low : high) = middle;
    }
    return low;
}

}  // namespace

double SinkRthMax(const TemRecord& record, double heat, std::int32_t modules, Wiring wiring,
                  const HeatSink& sink, const SearchCriteria& supply) {
    const SinkedSet set(record, heat, modules, wiring, sink, supply);
    if (!set.HoldsUnder(0.0)) {
        return 0.0;
    }
    const double estimate = EstimatedFigure(set);
    if (!(estimate > 0.0)) {
        return 0.0;
    }
    // The walk's own answer settles the last digits, and the estimate the
    // rest, unless the walk sees it otherwise.
    const double above = estimate * (1 + kFigureShare);
    if (set.HoldsUnder(estimate)) {
        if (!set.HoldsUnder(above)) {
            return estimate;
        }
        // Past some resistance no sink settles by 373 K, so this ends.
        double high = above * 2;
        for (int k = 0; k < kMostDoublings && set.HoldsUnder(high); ++k) {
            high *= 2;
        }
        return Narrowed(set, above, high);
    }
    return Narrowed(set, 0.0, estimate);
}

}  // namespace vantiq
