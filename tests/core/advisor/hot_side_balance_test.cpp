#include "core/advisor/hot_side_balance.h"

#include <gtest/gtest.h>

#include "module_generator.h"
#include "test_support.h"

namespace vantiq {
namespace {

double SinkExcess(const HeatSink& sink, const OperatingPoint& p) {
    return sink.ambient + sink.resistance * p.heatRejected - p.thot;
}

// Sinks from ideal to weak, on a spread of modules and module counts: where a
// balance is found it must hold to 1e-6 K, and no 0.5 K step below it may
// already be held by the sink.
TEST(BalanceHotSide, SettlesAtTheLowestHeldHotSide) {
    auto modules = test::GeneratedModules(10, 11);
    modules.push_back(test::WorkedExampleModule());
    int balanced = 0;
    for (const TemRecord& r : modules) {
        for (const HeatSink sink : {HeatSink{298.0, 0.1, 288.0}, HeatSink{298.0, 0.5, 283.0},
                                    HeatSink{303.0, 1.5, 293.0}}) {
            for (std::int32_t n : {1, 2, 4}) {
                const SinkBalance b = BalanceHotSide(r, 8.0, n, Wiring::Series, sink);
                if (!b.balanced) {
                    continue;
                }
                ++balanced;
                const OperatingPoint& p = *b.balanced;
                EXPECT_GE(p.thot, sink.ambient);
                EXPECT_NEAR(SinkExcess(sink, p), 0.0, 1e-6) << r.Name() << " n " << n;
                EXPECT_DOUBLE_EQ(p.dt, p.thot - sink.cold);
                for (double th = sink.ambient; th + 0.5 <= p.thot; th += 0.5) {
                    const auto below = SetPointAt(r, 8.0, n, Wiring::Series, sink.cold, th);
                    EXPECT_TRUE(!below || SinkExcess(sink, *below) > 0.0) << th;
                }
            }
        }
    }
    EXPECT_GT(balanced, 40) << "the cases must mostly settle to prove anything";
}

TEST(BalanceHotSide, IdealSinkKeepsAmbientAndAWeakOneNeverSettles) {
    const TemRecord r = test::WorkedExampleModule();
    const SinkBalance ideal = BalanceHotSide(r, 10.0, 1, Wiring::Series, {300.0, 0.0, 290.0});
    ASSERT_TRUE(ideal.balanced);
    EXPECT_EQ(ideal.balanced->thot, 300.0);

    const SinkBalance weak = BalanceHotSide(r, 10.0, 1, Wiring::Series, {300.0, 50.0, 290.0});
    EXPECT_FALSE(weak.balanced);
    ASSERT_TRUE(weak.first);
    EXPECT_EQ(weak.first->thot, 300.0);

    const SinkBalance hopeless = BalanceHotSide(r, 500.0, 1, Wiring::Series, {300.0, 0.1, 290.0});
    EXPECT_FALSE(hopeless.balanced || hopeless.first);
}

}  // namespace
}  // namespace vantiq
