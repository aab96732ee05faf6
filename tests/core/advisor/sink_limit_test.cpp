#include "core/advisor/sink_limit.h"

#include <gtest/gtest.h>

#include "core/advisor/advisor.h"
#include "core/advisor/module_advice.h"
#include "core/model/hot_side.h"
#include "test_support.h"

namespace vantiq {
namespace {

struct SinkCase {
    const char* name;
    double q;
    double resistance;
    double volts = 0.0;
    double amps = 0.0;
    std::int32_t modules = 1;
    Wiring wiring = Wiring::Series;
};

// Whether `modules` modules of `record` hold the request's load under a
// sink of resistance `r`, as the advisor answers.
bool HoldsUnder(const TemRecord& record, AdviceRequest request, std::int32_t modules, double r) {
    request.modules = modules;
    request.sink->resistance = r;
    request.sinkLimits = false;
    return AdviseModule(record, 0, kDefaultThot, request).point.has_value();
}

// Every row under a sink carries the largest resistance its set holds
// with: the advisor finds the row's set at that resistance and not 1 %
// above it, and the sink asked is within it. The mix holds sinks given and
// left out (no resistance), supplies that give out first and sinks that
// stop settling first, and sets of several modules.
TEST(SinkRthMax, TheRowHoldsAtItAndNotOnePerCentAbove) {
    const TemBase base = test::GeneratedBase(60, 11, kDefaultThot);
    const SinkCase cases[] = {
        {"a sink left out, no supply limit", 10.0, 0.0},
        {"a sink given, within a supply", 8.0, 0.2, 12.0, 5.0},
        {"voltage-limited", 6.0, 0.0, 6.0},
        {"the fewest modules in parallel", 25.0, 0.1, 8.0, 12.0, AdviceRequest::kFewestModules,
         Wiring::Parallel},
    };
    int rows = 0;
    for (const SinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        AdviceRequest request;
        request.criteria.requiredQ = c.q;
        request.criteria.supplyVoltage = c.volts;
        request.criteria.supplyCurrent = c.amps;
        request.modules = c.modules;
        request.wiring = c.wiring;
        request.sink = HeatSink{kDefaultThot, c.resistance, kDefaultThot - 20.0};
        request.sinkLimits = true;
        const Advice advice = RunAdvisor(base, kDefaultThot, request);
        ASSERT_GT(advice.points.size(), 5u);
        for (const OperatingPoint& p : advice.points) {
            const TemRecord& r = base.records[p.index];
            ASSERT_TRUE(p.sinkRthMax.has_value());
            const double most = *p.sinkRthMax;
            EXPECT_GE(most, c.resistance) << r.Name();
            EXPECT_TRUE(HoldsUnder(r, request, p.modules, most)) << r.Name() << " " << most;
            EXPECT_FALSE(HoldsUnder(r, request, p.modules, most * 1.01)) << r.Name() << " " << most;
            ++rows;
        }
    }
    EXPECT_GT(rows, 40);
}

}  // namespace
}  // namespace vantiq
