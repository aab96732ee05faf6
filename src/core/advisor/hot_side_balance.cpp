#include "core/advisor/hot_side_balance.h"

#include "core/base/tem_base.h"

namespace vantiq {
namespace {

constexpr double kStep = 0.5;         // K
constexpr double kResolution = 1e-9;  // K

// The set of modules under one sink: its point at a hot side, and how much
// warmer the sink would run than that hot side (<= 0: the sink holds it).
class SinkedSet {
public:
    SinkedSet(const TemRecord& record, double heat, std::int32_t modules, Wiring wiring,
              const HeatSink& sink)
        : record_(record), heat_(heat), modules_(modules), wiring_(wiring), sink_(sink) {}

    std::optional<OperatingPoint> At(double th) const {
        return SetPointAt(record_, heat_, modules_, wiring_, sink_.cold, th);
    }

    bool Holds(const OperatingPoint& p) const {
        return sink_.ambient + sink_.resistance * p.heatRejected - p.thot <= 0.0;
    }

    // Narrows (low, high] around the balance, keeping a held point at the top.
    OperatingPoint Refine(double low, OperatingPoint high) const {
        while (high.thot - low > kResolution) {
            const double middle = low + (high.thot - low) / 2;
            const auto p = At(middle);
            if (p && Holds(*p)) {
                high = *p;
            } else {
                low = middle;
            }
        }
        return high;
    }

private:
    const TemRecord& record_;
    double heat_;
    std::int32_t modules_;
    Wiring wiring_;
    HeatSink sink_;
};

}  // namespace

SinkBalance BalanceHotSide(const TemRecord& record, double heat, std::int32_t modules,
                           Wiring wiring, const HeatSink& sink) {
    const SinkedSet set(record, heat, modules, wiring, sink);
    SinkBalance balance;
    bool previousWorked = false;
    // Each step is computed from ambient rather than accumulated, so the grid
    // holds no drift however far it runs.
    for (int k = 0;; ++k) {
        const double th = sink.ambient + k * kStep;
        if (!(th <= TemBase::kMaxThot)) {
            return balance;
        }
        const auto p = set.At(th);
        if (p && !balance.first) {
            balance.first = p;
        }
        if (p && set.Holds(*p)) {
            balance.balanced = previousWorked ? set.Refine(sink.ambient + (k - 1) * kStep, *p) : *p;
            return balance;
        }
        previousWorked = p.has_value();
    }
}

}  // namespace vantiq
