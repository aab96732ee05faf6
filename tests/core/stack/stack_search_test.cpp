#include "core/stack/stack_search.h"

#include <gtest/gtest.h>

#include "core/advisor/advisor.h"
#include "core/model/performance_model.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::kTh;

struct StackCase {
    const char* name;
    double q;
    double dt;  // with a fixed hot side
    StageCurrents currents;
    double volts = 0.0;
    double amps = 0.0;
    std::int32_t topModules = 1;
    std::optional<HeatSink> sink = std::nullopt;
};

StackRequest RequestFor(const StackCase& c) {
    StackRequest r;
    r.advice.criteria.requiredQ = c.q;
    r.advice.criteria.requiredDT = c.dt;
    r.advice.criteria.supplyVoltage = c.volts;
    r.advice.criteria.supplyCurrent = c.amps;
    r.advice.modules = c.topModules;
    r.advice.sink = c.sink;
    r.currents = c.currents;
    return r;
}

// Every stack against the model's own equations: each stage pumps its heat
// at its current between its two temperatures, the bottom pumps the load
// plus the top's power, the voltages are the model's, and the power and COP
// follow from them.
void ExpectBalanced(const TemBase& base, const StackPoint& p, const StackCase& c) {
    const TemRecord& top = base.records[p.top];
    const TemRecord& bottom = base.records[p.bottom];
    const double tc = p.thot - p.dt;
    const double n = p.upper.modules;
    const double m = p.lower.modules;
    EXPECT_LT(tc, p.between);
    EXPECT_LT(p.between, p.thot);
    EXPECT_NEAR(n * ColdSideHeat(top, p.upper.current, tc, p.between), c.q, 1e-9 * c.q);
    EXPECT_NEAR(p.upper.voltage, ModuleVoltage(top, p.upper.current, tc, p.between), 1e-9);
    const double rejected = c.q + n * p.upper.voltage * p.upper.current;
    EXPECT_NEAR(m * ColdSideHeat(bottom, p.lower.current, p.between, p.thot), rejected,
                1e-6 * rejected);
    EXPECT_NEAR(p.lower.voltage, ModuleVoltage(bottom, p.lower.current, p.between, p.thot), 1e-9);
    const double power = rejected - c.q + m * p.lower.voltage * p.lower.current;
    EXPECT_NEAR(p.power, power, 1e-9 * power);
    EXPECT_NEAR(p.cop, c.q / power, 1e-9);
    EXPECT_GE(m * bottom.file.width * bottom.file.length,
              n * top.file.width * top.file.length * (1 - 1e-9));
    // Each stage on its own is an operating point between its two sides.
    const auto stages = StageOperatingPoints(top, bottom, p);
    EXPECT_NEAR(stages[0].thot - stages[0].dt, tc, 1e-9);
    EXPECT_NEAR(stages[0].thot, stages[1].thot - stages[1].dt, 1e-9);
    EXPECT_NEAR(stages[1].heatRejected - stages[1].power, rejected, 1e-6 * rejected);
    EXPECT_NEAR(stages[0].power + stages[1].power, p.power, 1e-9 * p.power);
    if (c.currents == StageCurrents::Shared) {
        EXPECT_EQ(p.upper.current, p.lower.current);
        EXPECT_LE(n * p.upper.voltage + m * p.lower.voltage, c.volts > 0 ? c.volts : 1e300);
    } else {
        EXPECT_LE(std::max(n * p.upper.voltage, m * p.lower.voltage),
                  c.volts > 0 ? c.volts : 1e300);
    }
    EXPECT_LE(std::max(p.upper.current, p.lower.current), c.amps > 0 ? c.amps : 1e300);
    if (c.sink) {
        EXPECT_NEAR(c.sink->ambient + c.sink->resistance * (c.q + p.power), p.thot, 1e-6);
    } else {
        EXPECT_EQ(p.thot, kTh);
        EXPECT_DOUBLE_EQ(p.dt, c.dt);
    }
}

// With separate currents the temperature between the stages is where the
// power is least: a little either side costs more.
void ExpectLeastPower(const TemBase& base, const StackPoint& p, const StackCase& c) {
    StackDuty duty{c.q, p.thot - p.dt, p.thot, c.currents, c.volts, c.amps};
    for (double step : {-0.05, 0.05}) {
        const auto near =
            SeparateStackAt(base.records[p.top], p.upper.modules, base.records[p.bottom],
                            p.lower.modules, duty, p.between + step);
        if (near && SupplyFeeds(*near, duty)) {
            EXPECT_GE(near->power, p.power * (1 - 1e-12));
        }
    }
}

// The pruned scan must find exactly what going through every pair finds,
// every stack must balance, and past what one stage reaches stacks still
// carry the load.
TEST(FindStacks, PrunedScanMatchesEveryPairAndEveryStackBalances) {
    const TemBase base = test::GeneratedBase(36, 26, kTh);
    const StackCase cases[] = {
        {"beyond one stage", 2.0, 80.0, StageCurrents::Separate},
        {"beyond one stage on one current", 2.0, 80.0, StageCurrents::Shared},
        {"moderate load within a supply", 8.0, 50.0, StageCurrents::Separate, 16.0, 6.0},
        {"one current within a supply", 5.0, 60.0, StageCurrents::Shared, 24.0, 8.0},
        {"three top modules", 12.0, 70.0, StageCurrents::Separate, 0.0, 0.0, 3},
        {"under a heat sink", 3.0, 0.0, StageCurrents::Separate, 0.0, 0.0, 1,
         HeatSink{298.0, 0.2, 298.0 - 65.0}},
    };
    for (const StackCase& c : cases) {
        SCOPED_TRACE(c.name);
        const StackRequest request = RequestFor(c);
        const StackAdvice pruned = FindStacks(base, kTh, request, PairScan::Pruned);
        const StackAdvice every = FindStacks(base, kTh, request, PairScan::EveryPair);
        ASSERT_FALSE(pruned.stacks.empty());
        ASSERT_EQ(pruned.stacks.size(), every.stacks.size());
        for (std::size_t k = 0; k < pruned.stacks.size(); ++k) {
            const StackPoint& a = pruned.stacks[k];
            const StackPoint& b = every.stacks[k];
            EXPECT_EQ(a.top, b.top);
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_EQ(a.lower.modules, b.lower.modules);
            EXPECT_EQ(a.power, b.power);
            ExpectBalanced(base, a, c);
            if (c.currents == StageCurrents::Separate) {
                ExpectLeastPower(base, a, c);
            }
        }
    }
    AdviceRequest single = RequestFor(cases[0]).advice;
    EXPECT_TRUE(RunAdvisor(base, kTh, single).points.empty());
}

}  // namespace
}  // namespace vantiq
