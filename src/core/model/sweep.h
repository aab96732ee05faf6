#pragma once

namespace vantiq {

// Visits start, start + step, start + 2·step, ... (each value the previous one
// plus `step`, so rounding accumulates exactly as in a hand-written loop) while
// `keepGoing(value)` holds. `visit(value)` returns true to stop early.
// A step that does not move the value forward (zero, negative, NaN, or too
// small to change it) ends the sweep after the current value instead of
// looping forever. Returns true when `visit` asked to stop.
template <typename KeepGoing, typename Visit>
bool Sweep(double start, double step, KeepGoing keepGoing, Visit visit) {
    for (double value = start; keepGoing(value);) {
        if (visit(value)) {
            return true;
        }
        const double next = value + step;
        if (!(next > value)) {
            return false;
        }
        value = next;
    }
    return false;
}

}  // namespace vantiq
