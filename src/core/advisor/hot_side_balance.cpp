#include "core/advisor/hot_side_balance.h"

#include <algorithm>
#include <cmath>

#include "core/base/tem_base.h"

namespace vantiq {
namespace {

constexpr double kStep = 0.5;         // K
constexpr double kResolution = 1e-9;  // K
// More steps than any walk from ambient to the highest hot side takes.
constexpr int kStepsPastEnd = 1000000;

// The set evaluated at one hot side: its point there, if any, and how much
// warmer than that hot side the sink would run (<= 0: the sink holds it).
struct Probe {
    double th = 0.0;
    std::optional<OperatingPoint> point;
    double excess = 0.0;  // meaningful with a point

    bool Held() const { return point && excess <= 0.0; }
};

// The set of modules under one sink.
class SinkedSet {
public:
    SinkedSet(const TemRecord& record, double heat, std::int32_t modules, Wiring wiring,
              const HeatSink& sink)
        : record_(record), heat_(heat), modules_(modules), wiring_(wiring), sink_(sink) {}

    Probe At(double th) const {
        Probe probe{th, SetPointAt(record_, heat_, modules_, wiring_, sink_.cold, th)};
        if (probe.point) {
            probe.excess = sink_.ambient + sink_.resistance * probe.point->heatRejected - th;
        }
        return probe;
    }

    // The hot side of step k, computed from ambient rather than accumulated,
    // so the grid holds no drift however far it runs.
    double StepAt(int k) const { return sink_.ambient + k * kStep; }

    // The last step below the hot side `th`.
    int StepBelow(double th) const {
        const double k = std::floor((th - sink_.ambient) / kStep);
        return k < kStepsPastEnd ? static_cast<int>(k) : kStepsPastEnd;
    }

private:
    const TemRecord& record_;
    double heat_;
    std::int32_t modules_;
    Wiring wiring_;
    HeatSink sink_;
};

// Where the line through two probes with points crosses zero excess.
double SecantRoot(const Probe& a, const Probe& b) {
    return b.th - b.excess * (b.th - a.th) / (b.excess - a.excess);
}

// Below this secant step the next guess is expected within the resolution,
// so a probe just across it closes the bracket at once.
constexpr double kConverging = 1e-5;  // K

// A guess inside (low, high]: the secant's when it falls inside, the middle
// otherwise; never closer to either end than a quarter of the resolution,
// so that every probe narrows the bracket.
double Inside(const Probe& low, const Probe& high, double guess) {
    if (!(guess > low.th && guess < high.th)) {
        return low.th + (high.th - low.th) / 2;
    }
    return std::clamp(guess, low.th + kResolution / 4, high.th - kResolution / 4);
}

// Keeps `p` as the end of (low, high] it belongs to.
void Narrow(Probe& low, Probe& high, const Probe& p) {
    (p.Held() ? high : low) = p;
}

// Narrows (low, high] around the balance to the resolution, keeping a held
// point at the top. Secant steps through the two latest probes converge in a
// handful of probes where bisection would take thirty; once a step is tiny,
// a second probe just across the guess closes the bracket.
OperatingPoint Refine(const SinkedSet& set, Probe low, Probe high) {
    Probe older = low;
    Probe newer = high;
    while (high.th - low.th > kResolution) {
        const bool canSecant = older.point && newer.point && older.excess != newer.excess;
        const double guess = canSecant ? SecantRoot(older, newer) : -1.0;
        const Probe p = set.At(Inside(low, high, guess));
        Narrow(low, high, p);
        const bool converging = std::abs(p.th - newer.th) < kConverging;
        older = newer;
        newer = p;
        const double across = p.th + (p.Held() ? -kResolution : kResolution) / 2;
        if (converging && across > low.th && across < high.th) {
            Narrow(low, high, set.At(across));
        }
    }
    return *high.point;
}

// Walks the 0.5 K grid from ambient, leaping ahead where the sink's excess
// falls steadily: the excess is convex in the hot side (the power grows ever
// faster with the difference), so the secant through two probes below the
// balance crosses zero no later than it does, and every step skipped stays
// unheld. Should a leap land on a held step or one without a point, which a
// convex excess never does, the walk goes back and takes every step.
class GridWalk {
public:
    GridWalk(const SinkedSet& set) : set_(set) {}

    SinkBalance Run() {
        for (int k = 0; set_.StepAt(k) <= TemBase::kMaxThot;) {
            const Probe probe = set_.At(set_.StepAt(k));
            if (leapt_ && (!probe.point || probe.Held())) {
                k = below_ + 1;
                stepwise_ = true;
                leapt_ = false;
                continue;
            }
            if (probe.point && !balance_.first) {
                balance_.first = probe.point;
            }
            if (probe.Held()) {
                balance_.balanced =
                    lastWorked_ == k - 1 ? Refine(set_, previous_, probe) : *probe.point;
                return balance_;
            }
            if (!Advance(k, probe)) {
                return balance_;
            }
        }
        return balance_;
    }

private:
    // Moves k past an unheld step; false when the balance cannot lie ahead.
    bool Advance(int& k, const Probe& probe) {
        int next = k + 1;
        leapt_ = false;
        if (probe.point && lastWorked_ >= 0 && !stepwise_) {
            if (!(probe.excess < previous_.excess)) {
                return false;  // a convex excess that stopped falling never reaches zero
            }
            next = std::max(next, set_.StepBelow(SecantRoot(previous_, probe)));
            leapt_ = next > k + 1;
        }
        if (probe.point) {
            previous_ = probe;
            lastWorked_ = k;
            below_ = k;
        } else {
            lastWorked_ = -1;
        }
        k = next;
        return true;
    }

    const SinkedSet& set_;
    SinkBalance balance_;
    Probe previous_;       // the last probe with a point
    int lastWorked_ = -1;  // its step, or -1 when the last step had none
    int below_ = 0;        // the step a leap started from
    bool leapt_ = false;
    bool stepwise_ = false;
};

}  // namespace

SinkBalance BalanceHotSide(const TemRecord& record, double heat, std::int32_t modules,
                           Wiring wiring, const HeatSink& sink) {
    const SinkedSet set(record, heat, modules, wiring, sink);
    return GridWalk(set).Run();
}

}  // namespace vantiq
