#include "core/advisor/advisor.h"
#include "core/model/hot_side.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "core/advisor/advice_text.h"
#include "core/model/rated_values.h"
#include "core/selection/search.h"
#include "module_generator.h"
#include "test_support.h"

namespace vantiq {
namespace {

// 300 generated modules derived at 298 K, derived once for every test.
const std::vector<TemRecord>& GeneratedRecords() {
    static const std::vector<TemRecord> records = [] {
        auto modules = test::GeneratedModules(300, 13);
        for (auto& r : modules) {
            DeriveRatedValues(r, kDefaultThot);
        }
        return modules;
    }();
    return records;
}

TemBase Generated() {
    TemBase base;
    base.records = GeneratedRecords();
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

AdviceRequest Fixed(double q, double dt) {
    AdviceRequest request;
    request.criteria.requiredQ = q;
    request.criteria.requiredDT = dt;
    return request;
}

// The supply limits pass on equality and fail a hair below, and each wiring
// puts the load on its own side of the supply.
TEST(AdviseModule, SupplyLimitsFollowTheWiring) {
    const TemRecord r = test::WorkedExampleModule();
    for (const Wiring wiring : {Wiring::Series, Wiring::Parallel}) {
        AdviceRequest request = Fixed(30.0, 20.0);
        request.modules = 3;
        request.wiring = wiring;
        const auto free = AdviseModule(r, 0, 298.0, request).point;
        ASSERT_TRUE(free);
        const double volts = free->SupplyVoltage();
        const double amps = free->SupplyCurrent();
        EXPECT_EQ(volts, wiring == Wiring::Series ? 3 * free->voltage : free->voltage);
        EXPECT_EQ(amps, wiring == Wiring::Parallel ? 3 * free->current : free->current);

        request.criteria.supplyVoltage = volts;
        request.criteria.supplyCurrent = amps;
        EXPECT_TRUE(AdviseModule(r, 0, 298.0, request).point);
        request.criteria.supplyVoltage = std::nextafter(volts, 0.0);
        EXPECT_EQ(AdviseModule(r, 0, 298.0, request).rejection, Rejection::VoltageTooLow);
        request.criteria.supplyCurrent = std::nextafter(amps, 0.0);
        EXPECT_EQ(AdviseModule(r, 0, 298.0, request).rejection, Rejection::VoltageTooLow)
            << "the voltage is checked before the current";
        request.criteria.supplyVoltage = volts;
        EXPECT_EQ(AdviseModule(r, 0, 298.0, request).rejection, Rejection::CurrentTooLow);
    }
}

// "auto" must give the fewest modules that work, the very point that count
// gives when asked for, for a fixed hot side and under a sink alike.
TEST(AdviseModule, FewestModulesIsTheFewestThatWork) {
    AdviceRequest fixed = Fixed(40.0, 35.0);
    fixed.criteria.supplyVoltage = 24.0;
    AdviceRequest sink = Fixed(25.0, 0.0);
    sink.sink = HeatSink{298.0, 0.4, 288.0};
    sink.wiring = Wiring::Parallel;
    sink.criteria.supplyCurrent = 20.0;
    std::set<std::int32_t> counts;
    for (AdviceRequest request : {fixed, sink}) {
        for (std::uint32_t i = 0; i < 120; ++i) {
            const TemRecord& r = GeneratedRecords()[i];
            request.modules = AdviceRequest::kFewestModules;
            const ModuleAdvice best = AdviseModule(r, i, 298.0, request);
            const std::int32_t last = best.point ? best.point->modules : 16;
            for (std::int32_t n = 1; n <= last; ++n) {
                request.modules = n;
                const auto point = AdviseModule(r, i, 298.0, request).point;
                ASSERT_EQ(point.has_value(), best.point && n == last) << i << " n " << n;
                if (point) {
                    EXPECT_EQ(point->power, best.point->power);
                    EXPECT_EQ(point->index, i);
                }
            }
            if (best.point) {
                counts.insert(best.point->modules);
            }
        }
    }
    EXPECT_GE(counts.size(), 3u) << "the cases must need different counts";
}

TEST(RunAdvisor, CandidatesPassTheSearchsDimensionAndNameTests) {
    TemBase base = Generated();
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        base.records[i].file.width = 10.0 + static_cast<double>(i % 40);
        base.records[i].file.height = 3.0 + static_cast<double>(i % 7) * 0.5;
    }
    AdviceRequest request = Fixed(5.0, 20.0);
    request.criteria.maxWidth = 35.0;
    request.criteria.maxHeight = 5.0;
    request.criteria.nameFilter = "GEN-001";
    SearchCriteria limitsOnly;
    limitsOnly.maxWidth = 35.0;
    limitsOnly.maxHeight = 5.0;
    limitsOnly.nameFilter = "GEN-001";
    const auto searched = RunSearch(base, kDefaultThot, limitsOnly);
    const std::set<std::uint32_t> allowed(searched.begin(), searched.end());

    const Advice advice = RunAdvisor(base, kDefaultThot, request);
    EXPECT_EQ(advice.candidates, searched.size());
    ASSERT_FALSE(advice.points.empty());
    for (const auto& p : advice.points) {
        EXPECT_TRUE(allowed.count(p.index)) << p.index;
    }
    std::size_t rejected = 0;
    for (std::size_t count : advice.rejected) {
        rejected += count;
    }
    EXPECT_EQ(advice.points.size() + rejected, advice.candidates);
}

// Every key in both directions: neighbours are in key order, and equal keys
// (the name key has a duplicate; one module each at one hot side make the
// count and hot side keys all ties) in base order.
TEST(RunAdvisor, OrdersByEveryKeyWithTiesInBaseOrder) {
    TemBase base = Generated();
    base.records[5].file.name = base.records[3].file.name;
    const AdviceRequest request = Fixed(4.0, 25.0);
    for (const AdviceKey key :
         {AdviceKey::Power, AdviceKey::Cop, AdviceKey::Current, AdviceKey::Margin, AdviceKey::Name,
          AdviceKey::Modules, AdviceKey::Voltage, AdviceKey::Thot, AdviceKey::SinkRth}) {
        for (const bool reversed : {false, true}) {
            const Advice advice = RunAdvisor(base, kDefaultThot, request, {key, reversed});
            ASSERT_GT(advice.points.size(), 100u);
            const auto value = [&](const OperatingPoint& p) -> double {
                switch (key) {
                    case AdviceKey::Power:
                        return p.power;
                    case AdviceKey::Cop:
                        return -p.cop;
                    case AdviceKey::Current:
                        return p.current;
                    case AdviceKey::Margin:
                        return -p.margin;
                    case AdviceKey::Modules:
                        return p.modules;
                    case AdviceKey::Voltage:
                        return p.voltage;
                    case AdviceKey::Thot:
                        return p.thot;
                    case AdviceKey::SinkRth:
                        return -p.sinkRthMax.value_or(0.0);
                    case AdviceKey::Name:
                        break;
                }
                return 0.0;
            };
            for (std::size_t k = 1; k < advice.points.size(); ++k) {
                const OperatingPoint& a = advice.points[k - 1];
                const OperatingPoint& b = advice.points[k];
                int cmp = key == AdviceKey::Name
                              ? base.records[a.index].Name().compare(base.records[b.index].Name())
                              : (value(a) < value(b)   ? -1
                                 : value(b) < value(a) ? 1
                                                       : 0);
                cmp = reversed ? -cmp : cmp;
                EXPECT_TRUE(cmp < 0 || (cmp == 0 && a.index < b.index)) << k;
            }
        }
    }
}

// The catalogue is advised in blocks, on several threads: whatever the split,
// the answer is every module's own advice, each counted once.
TEST(RunAdvisor, AnswersWhatEachModuleGetsAlone) {
    const TemBase base = Generated();
    AdviceRequest request = Fixed(6.0, 30.0);
    request.criteria.supplyVoltage = 8.0;
    const Advice advice = RunAdvisor(base, kDefaultThot, request, {AdviceKey::Name, false});
    std::map<std::uint32_t, const OperatingPoint*> found;
    for (const OperatingPoint& p : advice.points) {
        EXPECT_TRUE(found.emplace(p.index, &p).second) << "twice: " << p.index;
    }
    std::array<std::size_t, kRejectionCount> rejected{};
    for (std::uint32_t i = 0; i < base.records.size(); ++i) {
        const ModuleAdvice alone = AdviseModule(base.records[i], i, kDefaultThot, request);
        const auto it = found.find(i);
        ASSERT_EQ(alone.point.has_value(), it != found.end()) << i;
        if (alone.point) {
            EXPECT_EQ(alone.point->power, it->second->power) << i;
        } else {
            ++rejected[static_cast<std::size_t>(alone.rejection)];
        }
    }
    EXPECT_EQ(advice.rejected, rejected);
    EXPECT_EQ(advice.candidates, base.records.size());
}

TEST(RejectionSummary, CountsEachReasonInOrder) {
    AdviceRequest request = Fixed(20.0, 30.0);
    request.criteria.supplyVoltage = 12.0;
    request.criteria.supplyCurrent = 6.0;
    Advice advice;
    advice.rejected = {148, 40, 1, 0};
    EXPECT_EQ(RejectionSummary(request, advice),
              "148 modules cannot pump 20.0 W at dT 30 K; 40 need more than 12.0 V; "
              "1 needs more than 6.0 A");
    request.sink = HeatSink{298.0, 0.25, 283.0};
    request.modules = AdviceRequest::kFewestModules;
    advice.rejected = {1, 0, 0, 2};
    EXPECT_EQ(RejectionSummary(request, advice),
              "1 module cannot pump 20.0 W even as 16 modules with the cold side at 10.0 \u00B0C; "
              "2 need a better heat sink than 0.25 K/W");
    // Past every module's dTmax at a fixed hot side the way out is a second
    // stage; the same reach under a sink, whose hot side is not yet known,
    // says nothing.
    advice.candidates = 3;
    advice.deepest = 72.44;
    EXPECT_EQ(RejectionSummary(request, advice).find("two-stage"), std::string::npos);
    request = Fixed(2.0, 80.0);
    advice.rejected = {3, 0, 0, 0};
    EXPECT_EQ(RejectionSummary(request, advice),
              "3 modules cannot pump 2.0 W at dT 80 K; no single module reaches dT 80 K (the "
              "most is 72.4 K): a two-stage stack is needed");
    advice.deepest = 80.0;
    EXPECT_EQ(RejectionSummary(request, advice), "3 modules cannot pump 2.0 W at dT 80 K");
}

}  // namespace
}  // namespace vantiq
