#include "core/selection/search.h"
#include "core/model/hot_side.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/model/curve_tables.h"
#include "core/model/rated_values.h"
#include "core/model/rounding.h"
#include "core/selection/record_filter.h"
#include "test_support.h"

namespace vantiq {
namespace {

TEST(Search, WithoutCriteriaListsEveryDerivableModuleInBaseOrder) {
    TemBase base;
    base.records.resize(4);
    for (std::size_t i : {0, 2, 3}) {
        base.records[i].rated.derivable = true;
    }
    base.count = 4;
    EXPECT_EQ(ShowAllModules(base), (std::vector<std::uint32_t>{0, 2, 3}));
    EXPECT_EQ(RunSearch(base, kDefaultThot, SearchCriteria{}),
              (std::vector<std::uint32_t>{0, 2, 3}));
}

// A search whose one passing point of the I = imax heat curve lies less than
// `kEdge` K inside a whole-kelvin rounding edge: the point's |x| is just past
// n + 0.5, so it rounds to n + 1 K, and the required Q is its heat rounded to
// a tenth, which no other point at n + 1 K reaches. A search that reads a
// range narrower than the rounding allows misses the module.
struct EdgeCase {
    TemRecord module;
    double thot = 0.0;
    SearchCriteria criteria;
    double inside = 0.0;  // how far the point lies inside the edge, K
};

constexpr double kEdge = 0.02;

std::vector<EdgeCase> EdgeCases(const TemRecord& file, double thot) {
    TemRecord m = file;
    std::vector<EdgeCase> cases;
    if (!DeriveRatedValues(m, thot)) {
        return cases;
    }
    const Curve heat = BuildHeatCurves(m, thot, kSearchCurveSteps).AtImax().points;
    for (std::size_t i = 0; i < heat.size(); ++i) {
        const double dt = std::fabs(heat.x[i]);
        const double inside = dt - std::floor(dt) - 0.5;
        const double q = RoundToStep(heat.y[i], 0.1);
        if (inside < 0 || inside >= kEdge || q <= 0 || q > m.rated.qmax) {
            continue;
        }
        bool alone = true;
        for (std::size_t j = 0; j < heat.size(); ++j) {
            const bool sameBin = std::round(std::fabs(heat.x[j])) == std::round(dt);
            alone = alone && (j == i || !sameBin || RoundToStep(heat.y[j], 0.1) < q);
        }
        if (alone) {
            SearchCriteria c;
            c.requiredQ = q;
            c.requiredDT = std::round(dt);
            c.electricalMode = ElectricalMode::Resistance;
            c.requiredResistance = m.rated.acResistance;
            cases.push_back({m, thot, c, inside});
        }
    }
    return cases;
}

TEST(Search, FindsAModuleWhoseOnlyPassingPointSitsOnARoundingEdge) {
    std::size_t found = 0;
    for (unsigned pellets : {31u, 71u, 127u, 241u}) {
        TemRecord file = test::WorkedExampleModule();
        file.file.pelletCount = pellets;
        for (double thot = 223.0; thot <= 373.0; thot += 25.0) {
            for (const EdgeCase& c : EdgeCases(file, thot)) {
                TemBase base;
                base.records = {c.module};
                base.count = 1;
                const std::vector<std::uint32_t> listed{0};
                EXPECT_EQ(RunSearch(base, c.thot, c.criteria), listed)
                    << pellets << " pellets at " << thot << " K, dT " << c.criteria.requiredDT
                    << ", Q " << c.criteria.requiredQ << ", " << c.inside << " K inside";
                EXPECT_EQ(RunSearchSequential(base, c.thot, c.criteria), listed);
                ++found;
            }
        }
    }
    EXPECT_GE(found, 5u) << "too few edge cases to guard the range the search reads";
}

}  // namespace
}  // namespace vantiq
