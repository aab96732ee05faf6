#pragma once

namespace vantiq {

// The value that repeated addition of `step` to `value` reaches after as many
// additions as can be taken at once while the value stays below `limit`:
// additions that provably add the same amount each (no change of binade, no
// rounding tie), so the result is bit for bit the one the additions give.
// Returns `value` itself when none can be skipped.
double SkipBelow(double value, double step, double limit);

// Visits the values of Sweep(start, step, value <= end) that lie within
// [low, high], in order and with the very same doubles, but skips the
// additions below `low` in large strides and stops above `high`.
template <typename Visit>
void SweepWithin(double start, double step, double end, double low, double high, Visit visit) {
    for (double value = start; value <= end;) {
        if (value > high) {
            return;  // the values only rise
        }
        if (value >= low) {
            visit(value);
        } else if (const double skipped = SkipBelow(value, step, low); skipped != value) {
            value = skipped;
            continue;
        }
        const double next = value + step;
        if (!(next > value)) {
            return;
        }
        value = next;
    }
}

}  // namespace vantiq
