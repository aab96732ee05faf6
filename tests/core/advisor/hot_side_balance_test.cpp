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

// The balance by definition: every 0.5 K step from ambient in turn, then
// bisection to far below the resolution.
SinkBalance ReferenceBalance(const TemRecord& r, double q, std::int32_t n, const HeatSink& sink) {
    SinkBalance b;
    std::optional<OperatingPoint> before;
    for (double th = sink.ambient; th <= 373.0; th += 0.5) {
        const auto p = SetPointAt(r, q, n, Wiring::Series, sink.cold, th);
        b.first = b.first ? b.first : p;
        if (p && SinkExcess(sink, *p) <= 0.0) {
            double low = th - 0.5;
            double high = th;
            while (before && high - low > 1e-12) {
                const double middle = (low + high) / 2;
                const auto m = SetPointAt(r, q, n, Wiring::Series, sink.cold, middle);
                (m && SinkExcess(sink, *m) <= 0.0 ? high : low) = middle;
            }
            b.balanced = SetPointAt(r, q, n, Wiring::Series, sink.cold, high);
            return b;
        }
        before = p;
    }
    return b;
}

// Many modules, loads, counts and sinks from ideal to hopeless: the balance
// and the most favourable point agree with the definition to 1e-9 K.
TEST(BalanceHotSide, AgreesWithTheStepwiseDefinition) {
    const auto modules = test::GeneratedModules(400, 23);
    int balanced = 0;
    int unbalanced = 0;
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const TemRecord& r = modules[i];
        const double q = 2.0 + static_cast<double>(i % 7) * 4.0;
        const HeatSink sink{293.0 + static_cast<double>(i % 5) * 3.0,
                            0.05 + static_cast<double>(i % 11) * 0.15,
                            280.0 + static_cast<double>(i % 3) * 5.0};
        for (std::int32_t n : {1, 2, 3, 5, 8, 16}) {
            const SinkBalance fast = BalanceHotSide(r, q, n, Wiring::Series, sink);
            const SinkBalance slow = ReferenceBalance(r, q, n, sink);
            ASSERT_EQ(fast.balanced.has_value(), slow.balanced.has_value()) << r.Name() << " " << n;
            ASSERT_EQ(fast.first.has_value(), slow.first.has_value()) << r.Name() << " " << n;
            if (fast.first) {
                EXPECT_EQ(fast.first->thot, slow.first->thot);
            }
            if (fast.balanced) {
                ++balanced;
                EXPECT_NEAR(fast.balanced->thot, slow.balanced->thot, 1e-9) << r.Name();
                EXPECT_LE(SinkExcess(sink, *fast.balanced), 0.0);
            } else {
                unbalanced += fast.first.has_value();
            }
        }
    }
    EXPECT_GT(balanced, 800);
    EXPECT_GT(unbalanced, 100) << "weak sinks must be among the cases";
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
