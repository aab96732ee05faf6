#include "stopwatch.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>

namespace vantiq::bench {
namespace {

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

Timing BestTiming(int repeats, const std::function<void()>& work) {
    const double never = std::numeric_limits<double>::infinity();
    Timing best{never, never};
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadSeconds();
        work();
        const double cpu = ThreadSeconds() - cpuStart;
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        best.wall = std::min(best.wall, wall.count());
        best.cpu = std::min(best.cpu, cpu);
    }
    return best;
}

}  // namespace vantiq::bench
