#include "core/model/sweep_within.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "core/model/sweep.h"

namespace vantiq {
namespace {

struct Walk {
    double start, step, end, low, high;
};

std::vector<std::uint64_t> Plain(const Walk& w) {
    std::vector<std::uint64_t> seen;
    Sweep(
        w.start, w.step, [&](double v) { return v <= w.end; },
        [&](double v) {
            if (w.low <= v && v <= w.high) {
                seen.push_back(std::bit_cast<std::uint64_t>(v));
            }
            return false;
        });
    return seen;
}

std::vector<std::uint64_t> Skipping(const Walk& w) {
    std::vector<std::uint64_t> seen;
    SweepWithin(w.start, w.step, w.end, w.low, w.high,
                [&](double v) { seen.push_back(std::bit_cast<std::uint64_t>(v)); });
    return seen;
}

TEST(SweepWithin, VisitsTheValuesOfRepeatedAddition) {
    const double half = std::ldexp(1.0, -45);  // half the spacing of doubles in [256, 512)
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Walk walks[] = {
        {218.0, 218.0 / 500, 298.0, 250.0, 251.0},  // a heat curve near dT 47
        {200.0, 0.05, 400.0, 255.9, 256.2},         // across a binade
        {256.3, 0.25 + half, 400.0, 390.0, 391.0},  // every addition a rounding tie
        {300.0, 0.1 + 3 * half, 500.0, 420.0, 480.0},
        {250.0, 1e-13, 250.0 + 1e-9, 250.0 + 5e-12, 250.0 + 8e-12},
        {250.0, 1e-20, 300.0, 200.0, 300.0},  // the step adds nothing
        {0.5, 0.001, 3.0, 2.5, 2.6},          // below 1: no skipping
        {-50.0, 0.3, 50.0, 10.0, 11.0},
        {200.0, 0.05, 400.0, 500.0, 600.0},  // the range beyond the end
        {200.0, 0.05, 400.0, 300.0, 299.0},  // an empty range
        {200.0, nan, 400.0, 300.0, 301.0},
        {nan, 0.05, 400.0, 300.0, 301.0},
        {200.0, 0.05, 400.0, nan, 301.0},
    };
    for (const auto& w : walks) {
        EXPECT_EQ(Skipping(w), Plain(w))
            << w.start << " + " << w.step << " in [" << w.low << ", " << w.high << "]";
    }
}

TEST(SweepWithin, AgreesOnRandomWalks) {
    std::mt19937_64 random(17);
    const auto pick = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    for (int i = 0; i < 3000; ++i) {
        Walk w;
        w.start = pick(1, 600);
        w.step = std::exp(pick(std::log(1e-6), std::log(5.0)));
        w.end = w.start + pick(0, 2000) * w.step;
        w.low = pick(w.start - 10, w.end);
        w.high = w.low + pick(0, 3) * w.step;
        ASSERT_EQ(Skipping(w), Plain(w)) << "walk " << i;
    }
}

}  // namespace
}  // namespace vantiq
