#include "core/stack/stack_pull_down.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/model/performance_model.h"
#include "fine_pull_down.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::kTh;

// The plate between the stages by plain bisection on the model's equations:
// the bottom set pumps what the top set absorbs plus its electrical power.
double PlateByBisection(const TemRecord& top, const TemRecord& bottom, const StackPoint& p,
                        double it, double ib, double tc) {
    const auto surplus = [&](double t) {
        const double rejected = ColdSideHeat(top, it, tc, t) + it * ModuleVoltage(top, it, tc, t);
        return p.lower.modules * ColdSideHeat(bottom, ib, t, p.thot) - p.upper.modules * rejected;
    };
    double low = tc - 300.0;
    double high = p.thot + 300.0;
    for (int k = 0; k < 60; ++k) {
        const double middle = (low + high) / 2;
        (surplus(middle) < 0 ? low : high) = middle;
    }
    return (low + high) / 2;
}

struct PullDownCase {
    const char* name;
    double q;
    double dt;
    StageCurrents currents;
    double volts = 0.0;
    double amps = 0.0;
};

// The fastest of a 30 x 30 grid of current pairs within the bounds (the
// diagonal on one current).
test::GridCurrent FastestPairOnGrid(const TemRecord& top, const TemRecord& bottom,
                                    const StackPoint& p, const StackDuty& duty,
                                    const StackPullDown& bound, double mass, double& bottomAt) {
    constexpr int kSteps = 30;
    test::GridCurrent best;
    for (int k = 1; k <= kSteps; ++k) {
        const double iBottom = bound.currentBottom * k / kSteps;
        const auto at = [&](double i) {
            const bool shared = p.currents == StageCurrents::Shared;
            return StackSeconds(top, bottom, p, {i, shared ? i : iBottom, std::nullopt}, duty,
                                mass);
        };
        const test::GridCurrent row = test::FastestOnGrid(at, bound.current, kSteps);
        if (row.seconds && (!best.seconds || *row.seconds < *best.seconds)) {
            best = row;
            bottomAt = iBottom;
        }
    }
    return best;
}

// Each stack's currents stay within the modules and the supply and no pair
// of a grid within them gets there sooner, "never" only where none of the
// grid does; its pull-down agrees within 1e-4 with the cooling stepped in
// time through the model, the plate between the stages balanced at every
// step; at the stack's own currents and cold side that plate is the stack's.
TEST(PullDownStack, IsTheFastestPairAndAgreesWithAFineIntegration) {
    const TemBase base = test::GeneratedBase(24, 31, kTh);
    const PullDownCase cases[] = {
        {"separate supplies, no limit", 2.0, 75.0, StageCurrents::Separate},
        {"one current, no limit", 2.0, 70.0, StageCurrents::Shared},
        {"separate within a supply", 4.0, 60.0, StageCurrents::Separate, 10.0, 5.0},
        {"one current within a supply", 3.0, 60.0, StageCurrents::Shared, 20.0, 4.0},
    };
    constexpr double kMass = 40.0;
    int reached = 0;
    int belowBound = 0;
    for (const PullDownCase& c : cases) {
        SCOPED_TRACE(c.name);
        StackRequest request;
        request.advice.criteria.requiredQ = c.q;
        request.advice.criteria.requiredDT = c.dt;
        request.advice.criteria.supplyVoltage = c.volts;
        request.advice.criteria.supplyCurrent = c.amps;
        request.advice.coldMass = kMass;
        request.currents = c.currents;
        const StackAdvice advice = FindStacks(base, kTh, request);
        ASSERT_FALSE(advice.stacks.empty());
        const auto pullDowns = StackPullDowns(base, request, advice.stacks);
        for (std::size_t k = 0; k < advice.stacks.size(); k += 7) {
            const StackPoint& p = advice.stacks[k];
            const TemRecord& top = base.records[p.top];
            const TemRecord& bottom = base.records[p.bottom];
            const StackPullDown& d = pullDowns[k];
            const double tc = p.thot - p.dt;
            const double amps = c.amps > 0 ? c.amps : 1e300;
            EXPECT_LE(d.current, std::min(top.rated.imax, amps));
            EXPECT_LE(d.currentBottom, std::min(bottom.rated.imax, amps));
            if (c.currents == StageCurrents::Shared) {
                EXPECT_EQ(d.current, d.currentBottom);
            }
            const StackDuty duty{c.q, tc, p.thot, c.currents, c.volts, c.amps};
            const StackPullDown bound = PullDownCurrents(top, bottom, p, duty);
            EXPECT_LE(d.current, bound.current);
            EXPECT_LE(d.currentBottom, bound.currentBottom);
            double gridBottom = 0.0;
            const test::GridCurrent grid =
                FastestPairOnGrid(top, bottom, p, duty, bound, kMass, gridBottom);
            ASSERT_EQ(d.seconds.has_value(), grid.seconds.has_value());
            if (grid.seconds) {
                EXPECT_LE(*d.seconds, *grid.seconds * (1 + 1e-9))
                    << d.current << " " << d.currentBottom << " against " << grid.current << " "
                    << gridBottom;
                belowBound += d.current < bound.current * 0.999;
            }
            const StackPullDown own{p.upper.current, p.lower.current, std::nullopt};
            EXPECT_NEAR(BetweenDuring(top, bottom, p, own, tc), p.between, 1e-6);
            const auto net = [&](double t) {
                const double plate =
                    PlateByBisection(top, bottom, p, d.current, d.currentBottom, t);
                return p.upper.modules * ColdSideHeat(top, d.current, t, plate) - c.q;
            };
            const auto fine =
                test::FinePullDown(net, tc, p.thot, kMass, d.seconds.value_or(1.0), 4000);
            ASSERT_EQ(d.seconds.has_value(), fine.has_value());
            if (fine) {
                EXPECT_NEAR(*d.seconds, *fine, 1e-4 * *fine);
                ++reached;
            }
        }
    }
    EXPECT_GT(reached, 6);
    EXPECT_GT(belowBound, 3);
}

}  // namespace
}  // namespace vantiq
