#include "core/advisor/point_margin.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/advisor/advisor.h"
#include "core/model/performance_model.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::kTh;

struct MarginCase {
    const char* name;
    double q;
    double volts = 0.0;
    double amps = 0.0;
    std::int32_t modules = 1;
    Wiring wiring = Wiring::Series;
};

// The most the set pumps at the point's sides: the largest current the
// supply feeds (what it sees is n·U in series and n·I in parallel) is found
// by bisection within Imax, and the heat scanned up to it in fine steps.
double MostHeatByScan(const TemRecord& r, const OperatingPoint& p, const MarginCase& c) {
    const double n = p.modules;
    const double tc = p.thot - p.dt;
    const bool series = p.wiring == Wiring::Series;
    const auto fed = [&](double current) {
        const double amps = series ? current : n * current;
        const double volts = (series ? n : 1.0) * ModuleVoltage(r, current, tc, p.thot);
        return !(c.amps > 0 && amps > c.amps) && !(c.volts > 0 && volts > c.volts);
    };
    double low = 0.0;
    double high = r.rated.imax;
    if (!fed(high)) {
        for (int k = 0; k < 100; ++k) {
            const double middle = (low + high) / 2;
            (fed(middle) ? low : high) = middle;
        }
        high = low;
    }
    double most = -1e300;
    constexpr int kSteps = 20000;
    for (int k = 0; k <= kSteps; ++k) {
        most = std::max(most, n * ColdSideHeat(r, high * k / kSteps, tc, p.thot));
    }
    return most;
}

// The margin is the most heat within Imax and the supply, less the load, as
// the model's own heat and voltage give it; in per cent of the load too.
TEST(PointMargin, IsTheMostHeatWithinImaxAndTheSupplyLessTheLoad) {
    const TemBase base = test::GeneratedBase(40, 11, kTh);
    const MarginCase cases[] = {
        {"no supply limit: the peak", 3.0},
        {"current-limited", 3.0, 0.0, 2.0},
        {"voltage-limited", 3.0, 5.0, 0.0},
        {"two in series on a voltage limit", 8.0, 12.0, 6.0, 2},
        {"two in parallel on a current limit", 8.0, 12.0, 5.0, 2, Wiring::Parallel},
    };
    for (const MarginCase& c : cases) {
        AdviceRequest request;
        request.criteria.requiredQ = c.q;
        request.criteria.requiredDT = 25.0;
        request.criteria.supplyVoltage = c.volts;
        request.criteria.supplyCurrent = c.amps;
        request.modules = c.modules;
        request.wiring = c.wiring;
        const Advice advice = RunAdvisor(base, kTh, request);
        ASSERT_FALSE(advice.points.empty()) << c.name;
        for (const OperatingPoint& p : advice.points) {
            const TemRecord& r = base.records[p.index];
            const PointMargin margin = MarginOf(r, p, c.q, request.criteria);
            const double expected = MostHeatByScan(r, p, c) - c.q;
            EXPECT_NEAR(margin.watts, expected, 1e-3 * (c.q + std::abs(expected))) << c.name;
            EXPECT_GE(margin.watts, -1e-9) << c.name << ": the point itself is within the limits";
            EXPECT_DOUBLE_EQ(margin.percent, 100.0 * margin.watts / c.q) << c.name;
        }
    }
}

}  // namespace
}  // namespace vantiq
