#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace vantiq {

// A constant current and the pull-down time it gives; nullopt seconds where
// it never gets there.
struct TimedCurrent {
    double current = 0.0;
    std::optional<double> seconds;
};

namespace fastest_detail {

// Evenly spaced currents looked at before the minimum is narrowed: enough
// that a current which gets there is found unless the currents that do span
// less than a tenth of the range, which the hints cover.
inline constexpr int kProbes = 10;
// A step below the highest current, as a share of it, to see which way the
// time runs there.
inline constexpr double kNudge = 1e-4;
// The width, as a share of the highest current, to which the fastest
// current is narrowed; the time is flat there, so it is off by far less.
inline constexpr double kTolerance = 1e-6;
inline constexpr double kGolden = 0.6180339887498949;
inline constexpr double kNever = std::numeric_limits<double>::infinity();

// The time at every current asked, kept with the fastest seen so far.
template <class Seconds>
class Probe {
public:
    explicit Probe(const Seconds& seconds) : seconds_(seconds) {}

    double At(double current) {
        const std::optional<double> t = seconds_(current);
        const double value = t && std::isfinite(*t) ? *t : kNever;
        if (value < best_.value || (value == best_.value && current > best_.current)) {
            best_ = {current, value};
        }
        return value;
    }

    double BestCurrent() const { return best_.current; }
    TimedCurrent Best() const {
        if (best_.value == kNever) {
            return {best_.current, std::nullopt};
        }
        return {best_.current, best_.value};
    }

private:
    struct Seen {
        double current = 0.0;
        double value = kNever;
    };
    const Seconds& seconds_;
    Seen best_;
};

// Narrows [low, high], which holds the fastest current, by golden sections.
// Where neither inner current gets there, the currents that do lie on the
// side of the fastest seen, since they form one interval.
template <class Seconds>
void Narrow(Probe<Seconds>& probe, double low, double high, double width) {
    double a = high - kGolden * (high - low);
    double b = low + kGolden * (high - low);
    double fa = probe.At(a);
    double fb = probe.At(b);
    while (high - low > width) {
        const bool keepLow = fa < fb || (fa == kNever && fb == kNever && probe.BestCurrent() < b);
        if (keepLow) {
            high = b;
            b = a;
            fb = fa;
            a = high - kGolden * (high - low);
            fa = probe.At(a);
        } else {
            low = a;
            a = b;
            fa = fb;
            b = low + kGolden * (high - low);
            fb = probe.At(b);
        }
    }
}

}  // namespace fastest_detail

// The constant current within [0, `high`] at which `seconds(current)` (a
// pull-down time, nullopt where that current never gets there) is least,
// for times that fall and then rise with the current where they are
// finite, the currents that get there forming one interval. When the time
// still falls at `high`, that is the answer at once; otherwise evenly spaced
// currents and two just above `own` (the row's own current, at which the
// load is just carried at the cold side, so that a little more gets there)
// find one that does, and golden sections narrow the fastest to a
// millionth of `high`. When none gets there, `high` and nullopt.
template <class Seconds>
TimedCurrent FastestCurrent(const Seconds& seconds, double high, double own) {
    using namespace fastest_detail;
    Probe<Seconds> probe(seconds);
    const double top = probe.At(high);
    if (!(high > 0.0)) {
        return probe.Best();
    }
    const double below = probe.At(high * (1 - kNudge));
    if (top != kNever && top <= below) {
        return probe.Best();
    }
    std::vector<double> looked = {0.0, high * (1 - kNudge), high};
    for (int k = 1; k < kProbes; ++k) {
        looked.push_back(high * k / kProbes);
    }
    for (const double hint : {own * 1.01, own * 1.1}) {
        if (hint > 0.0 && hint < high) {
            looked.push_back(hint);
        }
    }
    for (std::size_t k = 3; k < looked.size(); ++k) {
        probe.At(looked[k]);
    }
    const TimedCurrent found = probe.Best();
    if (!found.seconds) {
        return {high, std::nullopt};
    }
    std::sort(looked.begin(), looked.end());
    const auto at = std::lower_bound(looked.begin(), looked.end(), found.current);
    const double low = at == looked.begin() ? 0.0 : *(at - 1);
    const double up = at + 1 == looked.end() ? high : *(at + 1);
    Narrow(probe, low, up, kTolerance * high);
    return probe.Best();
}

}  // namespace vantiq
