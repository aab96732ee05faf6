#include "stopwatch.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace vantiq::bench {

double BestSeconds(int repeats, const std::function<void()>& work) {
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    return best;
}

}  // namespace vantiq::bench
