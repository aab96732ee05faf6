#pragma once

#include <functional>

namespace vantiq::bench {

// The shortest of `repeats` wall-clock timings of `work`, in seconds. The
// shortest run is the one least disturbed by other work on the machine.
double BestSeconds(int repeats, const std::function<void()>& work);

}  // namespace vantiq::bench
