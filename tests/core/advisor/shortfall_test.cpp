#include "core/advisor/shortfall.h"
#include "core/model/hot_side.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/advisor/advice_text.h"
#include "core/advisor/advisor.h"
#include "core/advisor/why_not_text.h"
#include "core/model/rated_values.h"
#include "module_generator.h"

namespace vantiq {
namespace {

TemBase GeneratedBase() {
    TemBase base;
    base.records = test::GeneratedModules(200, 29);
    for (auto& r : base.records) {
        DeriveRatedValues(r, kDefaultThot);
    }
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

AdviceRequest Supplied(double q, double dt, double volts, double amps) {
    AdviceRequest request;
    request.criteria.requiredQ = q;
    request.criteria.requiredDT = dt;
    request.criteria.supplyVoltage = volts;
    request.criteria.supplyCurrent = amps;
    return request;
}

bool Finds(const TemBase& base, const AdviceRequest& request, std::uint32_t index) {
    const auto points = RunAdvisor(base, kDefaultThot, request).points;
    return std::any_of(points.begin(), points.end(),
                       [index](const OperatingPoint& p) { return p.index == index; });
}

// Each suggestion must work when followed, and nothing smaller may: the
// smallest supply for one module carries the load and the same supply a
// hair lower carries none; the fewest modules carry it and one fewer, in
// either wiring, do not.
TEST(FindShortfall, EverySuggestionWorksAndIsTheLeast) {
    const TemBase base = GeneratedBase();
    const struct {
        const char* what;
        AdviceRequest request;
    } cases[] = {
        {"too little current: modules in series", Supplied(12.0, 30.0, 24.0, 0.5)},
        {"too little voltage: modules in parallel", Supplied(12.0, 30.0, 2.0, 6.0)},
        {"a load no single module pumps", Supplied(400.0, 20.0, 0.0, 0.0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(RunAdvisor(base, kDefaultThot, c.request).points.empty());
        const Shortfall s = FindShortfall(base, kDefaultThot, c.request);
        EXPECT_FALSE(s.needsTwoStages);
        EXPECT_LE(s.closest.size(), Shortfall::kClosest);
        if (!s.closest.empty()) {
            const OperatingPoint& best = s.closest.front();
            const double scale = std::max(best.SupplyVoltage() / c.request.criteria.supplyVoltage,
                                          best.SupplyCurrent() / c.request.criteria.supplyCurrent);
            AdviceRequest enough = c.request;
            enough.criteria.supplyVoltage *= scale * (1 + 1e-12);
            enough.criteria.supplyCurrent *= scale * (1 + 1e-12);
            EXPECT_TRUE(Finds(base, enough, best.index));
            enough.criteria.supplyVoltage *= 1 - 1e-9;
            enough.criteria.supplyCurrent *= 1 - 1e-9;
            EXPECT_TRUE(RunAdvisor(base, kDefaultThot, enough).points.empty());
        }
        ASSERT_TRUE(s.fewest);
        AdviceRequest set = c.request;
        set.modules = s.fewest->modules;
        set.wiring = s.fewest->wiring;
        EXPECT_TRUE(Finds(base, set, s.fewest->index));
        set.modules -= 1;
        for (const Wiring wiring : {Wiring::Series, Wiring::Parallel}) {
            set.wiring = wiring;
            EXPECT_TRUE(set.modules == 0 || RunAdvisor(base, kDefaultThot, set).points.empty());
        }
    }
}

// A two-stage stack is called for exactly when the difference asked is
// beyond every module's dTmax at that hot side, and the note the window
// shows (the reasons, then the shortfall) says so once.
TEST(FindShortfall, TwoStagesOnlyBeyondTheLargestDtMax) {
    const TemBase base = GeneratedBase();
    double largest = 0.0;
    for (const TemRecord& r : base.records) {
        largest = std::max(largest, r.rated.derivable ? std::fabs(r.rated.dtMax) : 0.0);
    }
    for (const double dt : {largest - 0.5, largest + 0.5}) {
        const AdviceRequest request = Supplied(0.5, dt, 0.0, 0.0);
        const Shortfall s = FindShortfall(base, kDefaultThot, request);
        EXPECT_EQ(s.needsTwoStages, dt > largest) << dt;
        const std::string note =
            RejectionSummary(request, RunAdvisor(base, kDefaultThot, request)) +
            ShortfallText(base, kDefaultThot, request, s);
        const auto first = note.find("a two-stage stack is needed");
        EXPECT_EQ(first != std::string::npos, dt > largest) << note;
        EXPECT_EQ(note.find("a two-stage stack is needed", first + 1), std::string::npos) << note;
    }
}

}  // namespace
}  // namespace vantiq
