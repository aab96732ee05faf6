#pragma once

#include <functional>

namespace vantiq::bench {

// Seconds spent by a piece of work: on the wall clock, and on the processor
// by the calling thread alone (which leaves out the time other programs
// held the core).
struct Timing {
    double wall = 0.0;
    double cpu = 0.0;
};

// The shortest of `repeats` timings of `work`, each clock on its own. The
// shortest run is the one least disturbed by other work on the machine.
Timing BestTiming(int repeats, const std::function<void()>& work);

}  // namespace vantiq::bench
