#pragma once

#include <functional>
#include <optional>

namespace vantiq::test {

// The pull-down time integrated the plain way, for checking the program's:
// mass · dTc/dt = -net(Tc) stepped in time by classical Runge-Kutta from Tc
// = th until it crosses tc, in about `steps` steps of a time span `scale`
// (the expected time), the crossing placed by linear interpolation. nullopt
// when net(T) is 0 or less on a grid of 4,000 cold sides from tc to th, where
// the cold side stalls on its way.
std::optional<double> FinePullDown(const std::function<double(double)>& net, double tc, double th,
                                   double mass, double scale, int steps = 10000);

// The fastest of `steps` evenly spaced currents in (0, high]: the current
// and its time by `seconds` (nullopt where it never gets there), for
// checking the program's search; nullopt seconds when none gets there.
struct GridCurrent {
    double current = 0.0;
    std::optional<double> seconds;
};
GridCurrent FastestOnGrid(const std::function<std::optional<double>(double)>& seconds, double high,
                          int steps);

}  // namespace vantiq::test
