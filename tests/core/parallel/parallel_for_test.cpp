#include "core/parallel/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vantiq {
namespace {

TEST(ParallelFor, RunsEveryIndexOnceAndReportsEachStepOnTheCallingThread) {
    for (std::size_t count : {0u, 1u, 2u, 7u, 1000u}) {
        std::vector<std::atomic<int>> runs(count);
        std::vector<std::size_t> reported;
        bool elsewhere = false;
        const auto caller = std::this_thread::get_id();
        ParallelFor(
            count, [&](std::size_t i) { ++runs[i]; },
            [&](std::size_t done) {
                elsewhere |= std::this_thread::get_id() != caller;
                reported.push_back(done);
            });
        std::vector<std::size_t> expected(count);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(runs[i], 1) << count << " indexes, index " << i;
            expected[i] = i + 1;
        }
        EXPECT_EQ(reported, expected) << count << " indexes";
        EXPECT_FALSE(elsewhere) << "progress came from a worker";
    }
}

TEST(ParallelFor, RethrowsAWorkersFailureAfterTheWorkEnds) {
    std::atomic<int> running{0};
    const auto body = [&](std::size_t i) {
        ++running;
        std::this_thread::sleep_for(std::chrono::microseconds(50));
        --running;
        if (i == 300) {
            throw std::runtime_error("module 300");
        }
    };
    try {
        ParallelFor(1000, body);
        FAIL() << "the failure was lost";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "module 300");
    }
    EXPECT_EQ(running, 0) << "a worker outlived the call";
}

TEST(ParallelFor, AFailingProgressReportStopsTheWorkers) {
    std::atomic<int> running{0};
    const auto body = [&](std::size_t) {
        ++running;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        --running;
    };
    EXPECT_THROW(ParallelFor(5000, body, [](std::size_t) { throw std::logic_error("closed"); }),
                 std::logic_error);
    EXPECT_EQ(running, 0);
}

}  // namespace
}  // namespace vantiq
