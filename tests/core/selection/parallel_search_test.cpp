#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/model/rated_values.h"
#include "core/selection/record_filter.h"
#include "core/selection/search.h"
#include "module_generator.h"

namespace vantiq {
namespace {

#ifdef VANTIQ_SANITIZED
// The straightforward search is an order of magnitude slower under the sanitizers.
constexpr std::size_t kModules = 60;
constexpr int kRandomCriteria = 40;
#else
constexpr std::size_t kModules = 400;
constexpr int kRandomCriteria = 150;
#endif

// Generated modules derived at `thot`, every 37th without a nominal current
// and so never listed.
TemBase GeneratedBase(double thot) {
    TemBase base;
    base.records = test::GeneratedModules(kModules, 11);
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        if (i % 37 == 5) {
            base.records[i].file.nominalCurrent = 0.0;
        }
        DeriveRatedValues(base.records[i], thot);
    }
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

SearchCriteria SupplyRequest(double q, double dt, double u, double i) {
    SearchCriteria c;
    c.requiredQ = q;
    c.requiredDT = dt;
    c.supplyVoltage = u;
    c.supplyCurrent = i;
    return c;
}

SearchCriteria ResistanceRequest(double q, double dt, double r, int tolerance) {
    SearchCriteria c = SupplyRequest(q, dt, 0, 0);
    c.electricalMode = ElectricalMode::Resistance;
    c.requiredResistance = r;
    c.tolerancePercent = tolerance;
    return c;
}

// Criteria drawn so that many modules reach the curve test and some pass it.
SearchCriteria RandomCriteria(std::mt19937& random) {
    const auto pick = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const int tolerances[] = {1, 5, 10, 20};
    SearchCriteria c =
        random() % 2
            ? SupplyRequest(pick(0, 40), pick(0, 75), pick(0, 20), pick(0, 12))
            : ResistanceRequest(pick(0, 40), pick(0, 75), pick(0.2, 8), tolerances[random() % 4]);
    if (random() % 4 == 0) {
        c.maxWidth = pick(10, 60);
    }
    return c;
}

struct NamedCriteria {
    const char* what;
    SearchCriteria criteria;
};

std::vector<NamedCriteria> FixedCriteria() {
    SearchCriteria named = SupplyRequest(2, 20, 2, 8);
    named.nameFilter = "GEN-001";
    return {
        {"nothing set", SearchCriteria{}},
        {"supply mode", SupplyRequest(10, 40, 6, 8)},
        {"supply mode, dT rounding up", SupplyRequest(5, 29.6, 4, 6)},
        {"supply mode, dT beyond 80 K", SupplyRequest(1, 81, 10, 10)},
        {"resistance mode, dT beyond 90 K", ResistanceRequest(2, 92, 2.0, 20)},
        {"supply mode, negative Q", SupplyRequest(-5, 30, 5, 9)},
        {"supply mode without current", SupplyRequest(10, 40, 6, 0)},
        {"resistance mode", ResistanceRequest(8, 35, 2.0, 20)},
        {"resistance mode, no resistance", ResistanceRequest(8, 35, 0, 5)},
        {"with a name fragment", named},
    };
}

void ExpectSameRows(const TemBase& base, double thot, const SearchCriteria& c,
                    const std::string& what) {
    EXPECT_EQ(RunSearch(base, thot, c), RunSearchSequential(base, thot, c)) << what;
}

TEST(ParallelSearch, ListsTheRowsOfTheSequentialSearch) {
    for (double thot : {223.0, 298.0, 373.0}) {
        const TemBase base = GeneratedBase(thot);
        for (const auto& [what, criteria] : FixedCriteria()) {
            ExpectSameRows(base, thot, criteria, std::string(what) + " at " + std::to_string(thot));
        }
    }
}

TEST(ParallelSearch, AgreesOnRandomCriteria) {
    const TemBase base = GeneratedBase(298.0);
    std::mt19937 random(3);
    std::size_t curveTests = 0;
    std::size_t matches = 0;
    for (int k = 0; k < kRandomCriteria; ++k) {
        const SearchCriteria c = RandomCriteria(random);
        const auto rows = RunSearchSequential(base, 298.0, c);
        EXPECT_EQ(RunSearch(base, 298.0, c), rows) << "criteria set " << k;
        curveTests += CurveTestApplies(c);
        matches += CurveTestApplies(c) ? rows.size() : 0;
    }
    // Guards the generator: the agreement must cover modules that pass the
    // curve test, not only modules that fail before it.
    EXPECT_GT(curveTests, kRandomCriteria / 2u);
    EXPECT_GT(matches, kModules * kRandomCriteria / 2000);
}

}  // namespace
}  // namespace vantiq
