#include "core/advisor/pull_down.h"
#include "core/model/hot_side.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/advisor/advisor.h"
#include "core/model/performance_model.h"
#include "core/model/pull_down_time.h"
#include "fine_pull_down.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::kTh;

struct PullDownCase {
    const char* name;
    double q;
    double dt;
    double volts = 0.0;
    double amps = 0.0;
    std::int32_t modules = 1;
    Wiring wiring = Wiring::Series;
    std::optional<HeatSink> sink = std::nullopt;
};

// Every row's current is within the bound and no current of a fine grid up
// to it gets there sooner; its time agrees within 1e-4 with the cooling
// stepped in time through the model's own cold-side heat; "never" only where
// no current of the grid gets there. The mix holds easy and tight margins,
// sinks, supplies and wirings.
TEST(PointPullDown, IsTheFastestCurrentAndAgreesWithAFineIntegration) {
    const TemBase base = test::GeneratedBase(40, 7, kTh);
    const PullDownCase cases[] = {
        {"light load", 2.0, 20.0},
        {"heavy load near what the modules pump", 20.0, 40.0},
        {"current just above the rows'", 6.0, 30.0, 0.0, 2.5},
        {"voltage-limited", 6.0, 30.0, 8.0},
        {"three parallel modules", 30.0, 45.0, 12.0, 12.0, 3, Wiring::Parallel},
        {"under a heat sink", 8.0, 0.0, 0.0, 0.0, 2, Wiring::Series,
         HeatSink{298.0, 0.3, 298.0 - 30.0}},
    };
    constexpr double kMass = 150.0;
    int reached = 0;
    int stalled = 0;
    for (const PullDownCase& c : cases) {
        SCOPED_TRACE(c.name);
        AdviceRequest request;
        request.criteria.requiredQ = c.q;
        request.criteria.requiredDT = c.dt;
        request.criteria.supplyVoltage = c.volts;
        request.criteria.supplyCurrent = c.amps;
        request.modules = c.modules;
        request.wiring = c.wiring;
        request.sink = c.sink;
        request.coldMass = kMass;
        const Advice advice = RunAdvisor(base, kDefaultThot, request);
        ASSERT_FALSE(advice.points.empty());
        const auto pullDowns = PointPullDowns(base, request, advice.points);
        ASSERT_EQ(pullDowns.size(), advice.points.size());
        for (std::size_t k = 0; k < pullDowns.size(); ++k) {
            const OperatingPoint& p = advice.points[k];
            const TemRecord& r = base.records[p.index];
            const PullDown& d = pullDowns[k];
            const double bound = PullDownCurrent(r, p, request.criteria);
            EXPECT_LE(d.current, bound);
            const auto at = [&](double current) {
                const auto net = [&](double tc) {
                    return p.modules * ColdSideHeat(r, current, tc, p.thot) - c.q;
                };
                return PullDownSeconds(net, p.thot - p.dt, p.thot, kMass);
            };
            const test::GridCurrent grid = test::FastestOnGrid(at, bound, 400);
            ASSERT_EQ(d.seconds.has_value(), grid.seconds.has_value()) << r.Name();
            if (grid.seconds) {
                EXPECT_LE(*d.seconds, *grid.seconds * (1 + 1e-9)) << r.Name();
            }
            const auto net = [&](double tc) {
                return p.modules * ColdSideHeat(r, d.current, tc, p.thot) - c.q;
            };
            const double tc = p.thot - p.dt;
            const auto fine = test::FinePullDown(net, tc, p.thot, kMass, d.seconds.value_or(1.0));
            ASSERT_EQ(d.seconds.has_value(), fine.has_value()) << r.Name();
            if (fine) {
                EXPECT_NEAR(*d.seconds, *fine, 1e-4 * *fine) << r.Name();
            }
            (fine ? reached : stalled) += 1;
        }
    }
    EXPECT_GT(reached, 40);
    EXPECT_GT(stalled, 0);
}

}  // namespace
}  // namespace vantiq
