#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/advisor/advice_request.h"
#include "core/base/tem_base.h"
#include "core/model/hot_side.h"

namespace vantiq {

// Where a heat sink settles under something that pumps heat: the lowest hot
// side Th at or above ambient with Th = Ta + Rs·Qh(Th), to 1e-9 K, and the
// point there; and the point at the lowest 0.5 K step where it works at all.
// `Point` is what is evaluated at one hot side, one set of modules or a
// stack.
template <class Point>
struct SinkSettled {
    std::optional<Point> balanced;  // none: no balance up to 373 K
    std::optional<Point> first;     // none: it works at no step
};

namespace sink_walk {

inline constexpr double kStep = 0.5;         // K
inline constexpr double kResolution = 1e-9;  // K
// More steps than any walk from ambient to the highest hot side takes.
inline constexpr int kStepsPastEnd = 1000000;
// Below this secant step the next guess is expected within the resolution,
// so a probe just across it closes the bracket at once.
inline constexpr double kConverging = 1e-5;  // K

// The pump evaluated at one hot side: its point there, if any, and how much
// warmer than that hot side the sink would run (<= 0: the sink holds it).
template <class Point>
struct Probe {
    double th = 0.0;
    std::optional<Point> point;
    double excess = 0.0;  // meaningful with a point

    bool Held() const { return point && excess <= 0.0; }
};

// The pump under one sink: `at(th)` its point at hot side th, if any, and
// `rejected(point)` the heat it rejects there (W).
template <class Point, class Evaluate, class Rejected>
class SinkedPump {
public:
    SinkedPump(const Evaluate& at, const Rejected& rejected, const HeatSink& sink)
        : at_(at), rejected_(rejected), sink_(sink) {}

    Probe<Point> At(double th) const {
        Probe<Point> probe{th, at_(th)};
        if (probe.point) {
            probe.excess = sink_.ambient + sink_.resistance * rejected_(*probe.point) - th;
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
    const Evaluate& at_;
    const Rejected& rejected_;
    HeatSink sink_;
};

// Where the line through two probes with points crosses zero excess.
template <class Point>
double SecantRoot(const Probe<Point>& a, const Probe<Point>& b) {
    return b.th - b.excess * (b.th - a.th) / (b.excess - a.excess);
}

// A guess inside (low, high]: the secant's when it falls inside, the middle
// otherwise; never closer to either end than a quarter of the resolution,
// so that every probe narrows the bracket.
template <class Point>
double Inside(const Probe<Point>& low, const Probe<Point>& high, double guess) {
    if (!(guess > low.th && guess < high.th)) {
        return low.th + (high.th - low.th) / 2;
    }
    return std::clamp(guess, low.th + kResolution / 4, high.th - kResolution / 4);
}

// Keeps `p` as the end of (low, high] it belongs to.
template <class Point>
void Narrow(Probe<Point>& low, Probe<Point>& high, const Probe<Point>& p) {
    (p.Held() ? high : low) = p;
}

// Narrows (low, high] around the balance to the resolution, keeping a held
// point at the top. Secant steps through the two latest probes converge in a
// handful of probes where bisection would take thirty; once a step is tiny,
// a second probe just across the guess closes the bracket.
template <class Point, class Pump>
Point Refine(const Pump& pump, Probe<Point> low, Probe<Point> high) {
    Probe<Point> older = low;
    Probe<Point> newer = high;
    while (high.th - low.th > kResolution) {
        const bool canSecant = older.point && newer.point && older.excess != newer.excess;
        const double guess = canSecant ? SecantRoot(older, newer) : -1.0;
        const Probe<Point> p = pump.At(Inside(low, high, guess));
        Narrow(low, high, p);
        const bool converging = std::abs(p.th - newer.th) < kConverging;
        older = newer;
        newer = p;
        const double across = p.th + (p.Held() ? -kResolution : kResolution) / 2;
        if (converging && across > low.th && across < high.th) {
            Narrow(low, high, pump.At(across));
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
template <class Point, class Pump>
class GridWalk {
public:
    explicit GridWalk(const Pump& pump) : pump_(pump) {}

    SinkSettled<Point> Run() {
        for (int k = 0; pump_.StepAt(k) <= kMaxThot;) {
            const Probe<Point> probe = pump_.At(pump_.StepAt(k));
            if (leapt_ && (!probe.point || probe.Held())) {
                k = below_ + 1;
                stepwise_ = true;
                leapt_ = false;
                continue;
            }
            if (probe.point && !settled_.first) {
                settled_.first = probe.point;
            }
            if (probe.Held()) {
                settled_.balanced =
                    lastWorked_ == k - 1 ? Refine(pump_, previous_, probe) : *probe.point;
                return settled_;
            }
            if (!Advance(k, probe)) {
                return settled_;
            }
        }
        return settled_;
    }

private:
    // Moves k past an unheld step; false when the balance cannot lie ahead.
    bool Advance(int& k, const Probe<Point>& probe) {
        int next = k + 1;
        leapt_ = false;
        if (probe.point && lastWorked_ >= 0 && !stepwise_) {
            if (!(probe.excess < previous_.excess)) {
                return false;  // a convex excess that stopped falling never reaches zero
            }
            next = std::max(next, pump_.StepBelow(SecantRoot(previous_, probe)));
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

    const Pump& pump_;
    SinkSettled<Point> settled_;
    Probe<Point> previous_;  // the last probe with a point
    int lastWorked_ = -1;    // its step, or -1 when the last step had none
    int below_ = 0;          // the step a leap started from
    bool leapt_ = false;
    bool stepwise_ = false;
};

}  // namespace sink_walk

// Looks at the hot sides from ambient in 0.5 K steps while they stay at or
// below 373 K. At the first step where `at` gives a point and the sink would
// be no warmer than that step (Ta + Rs·rejected(point) - Th <= 0), the
// balance is refined to 1e-9 K between that step and the one before, or is
// that step itself when the one before had no point. Rs = 0 settles at
// ambient. Steps that cannot hold the balance are skipped rather than
// evaluated, which relies on the excess being convex in the hot side.
template <class Point, class At, class Rejected>
SinkSettled<Point> SettleSink(const At& at, const Rejected& rejected, const HeatSink& sink) {
    using Pump = sink_walk::SinkedPump<Point, At, Rejected>;
    const Pump pump(at, rejected, sink);
    return sink_walk::GridWalk<Point, Pump>(pump).Run();
}

}  // namespace vantiq
