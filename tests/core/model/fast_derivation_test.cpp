#include "core/model/fast_derivation.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "core/model/balance_grid.h"
#include "core/model/heat_slope.h"
#include "core/model/performance_model.h"
#include "module_generator.h"
#include "test_support.h"

namespace vantiq {
namespace {

#ifdef VANTIQ_SANITIZED
// The reference scan is an order of magnitude slower under the sanitizers.
constexpr std::size_t kGeneratedModules = 150;
#else
constexpr std::size_t kGeneratedModules = 2000;
#endif

constexpr double kHotSides[] = {223.0, 298.0, 330.0, 373.0};

std::array<std::uint64_t, 5> Bits(const RatedValues& v) {
    return {std::bit_cast<std::uint64_t>(v.imax), std::bit_cast<std::uint64_t>(v.umax),
            std::bit_cast<std::uint64_t>(v.dtMax), std::bit_cast<std::uint64_t>(v.qmax),
            std::bit_cast<std::uint64_t>(v.acResistance)};
}

std::string Describe(const std::optional<RatedValues>& v) {
    if (!v) {
        return "not derivable";
    }
    char text[200];
    std::snprintf(text, sizeof text, "imax %.17g umax %.17g dtMax %.17g qmax %.17g R %.17g",
                  v->imax, v->umax, v->dtMax, v->qmax, v->acResistance);
    return text;
}

::testing::AssertionResult SameAsReference(const TemRecord& record, double th) {
    const auto reference = DeriveReference(record, th);
    const auto fast = DeriveFast(record, th);
    const bool same = reference.has_value() == fast.has_value() &&
                      (!reference || Bits(*reference) == Bits(*fast));
    if (same) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << record.Name() << " at " << th << " K: reference "
                                         << Describe(reference) << ", fast " << Describe(fast);
}

TEST(DeriveFast, AgreesBitForBitOnGeneratedModules) {
    const auto modules = test::GeneratedModules(kGeneratedModules, 20261207);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        // Every fifth module at a hot side anywhere in the spin's range.
        const double th = i % 5 < 4 ? kHotSides[i % 5] : 223.0 + static_cast<double>(i % 151);
        EXPECT_TRUE(SameAsReference(modules[i], th));
    }
}

TEST(DeriveFast, AgreesWhereTheBestCurrentIsFarFromTheNominal) {
    const auto modules = test::GeneratedModules(kGeneratedModules / 20, 7);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        TemRecord m = modules[i];
        m.file.nominalCurrent *=
            i % 2 ? 0.15 : 6.0;  // the optimum beyond the range, or far below it
        EXPECT_TRUE(SameAsReference(m, kHotSides[i % 4]));
    }
}

struct Edge {
    const char* what;
    void (*change)(TemRecord&);
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
using test::kInf;

const Edge kEdges[] = {
    {"worked example", [](TemRecord&) {}},
    {"nominal current 0", [](TemRecord& m) { m.file.nominalCurrent = 0.0; }},
    {"negative nominal current", [](TemRecord& m) { m.file.nominalCurrent = -6.0; }},
    {"NaN nominal current", [](TemRecord& m) { m.file.nominalCurrent = kNaN; }},
    {"infinite nominal current", [](TemRecord& m) { m.file.nominalCurrent = kInf; }},
    {"smallest nominal current", [](TemRecord& m) { m.file.nominalCurrent = 5e-324; }},
    {"tiny nominal current", [](TemRecord& m) { m.file.nominalCurrent = 1e-6; }},
    {"huge nominal current", [](TemRecord& m) { m.file.nominalCurrent = 1e4; }},
    {"negative Seebeck coefficient", [](TemRecord& m) { m.file.seebeckCoefficient *= -1; }},
    {"zero Seebeck coefficient", [](TemRecord& m) { m.file.seebeckCoefficient = 0.0; }},
    {"negative conductivity", [](TemRecord& m) { m.file.electricalConductivity *= -1; }},
    {"negative thermal conductivity", [](TemRecord& m) { m.file.thermalConductivity *= -1; }},
    {"negative leg length", [](TemRecord& m) { m.file.pelletLength *= -1; }},
    {"zero leg side", [](TemRecord& m) { m.file.pelletSide = 0.0; }},
    {"no couples", [](TemRecord& m) { m.file.pelletCount = 0; }},
    {"NaN thermal conductivity", [](TemRecord& m) { m.file.thermalConductivity = kNaN; }},
    {"infinite Seebeck coefficient", [](TemRecord& m) { m.file.seebeckCoefficient = kInf; }},
    {"tiny module",
     [](TemRecord& m) {
         m.file.pelletCount = 1;
         m.file.pelletSide = 1e-5;
         m.file.pelletLength = 1e-5;
     }},
    {"huge module",
     [](TemRecord& m) {
         m.file.pelletCount = 4000000000u;
         m.file.pelletSide = 0.05;
         m.file.pelletLength = 0.05;
         m.file.nominalCurrent = 300.0;
     }},
    {"strong material", [](TemRecord& m) { m.file.seebeckCoefficient = 4e-4; }},
    {"weak material", [](TemRecord& m) { m.file.seebeckCoefficient = 2e-5; }},
};

TEST(DeriveFast, AgreesOnEdgesAtEveryHotSide) {
    for (const auto& edge : kEdges) {
        TemRecord m = test::WorkedExampleModule(edge.what);
        edge.change(m);
        for (double th : kHotSides) {
            EXPECT_TRUE(SameAsReference(m, th)) << edge.what;
        }
    }
}

TEST(DeriveFast, AgreesOutsideTheSpinRange) {
    for (double th : {-50.0, 0.0, 150.0, 200.0, 400.0, 450.0, 1000.0, kNaN}) {
        EXPECT_TRUE(SameAsReference(test::WorkedExampleModule(), th)) << th;
    }
}

// The search skips points on the strength of these bounds, so a bound that
// is too tight would show as a wrong result only now and then.
TEST(HeatSlope, EnclosesTheHeatDifferences) {
    const auto& grid = BalanceGrid();
    const auto modules = test::GeneratedModules(40, 99);
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const TemRecord& m = modules[i];
        const double th = kHotSides[i % 4];
        const double current = m.file.nominalCurrent * static_cast<double>(i % 8) / 4;
        ASSERT_TRUE(HeatSlope::Applies(m, th, grid.front(), grid.back()));
        const HeatSlope slope(m, th, current, grid.front(), grid.back());
        for (std::size_t j = 0; j + 20 < grid.size(); j += 97) {
            const auto range = slope.Over(grid[j], grid[j + 20]);
            const double rise =
                ColdSideHeat(m, current, grid[j + 20], th) - ColdSideHeat(m, current, grid[j], th);
            const double width = grid[j + 20] - grid[j];
            EXPECT_LE(range.lower * width, rise + 2 * slope.Error()) << m.Name() << " " << j;
            EXPECT_GE(range.upper * width, rise - 2 * slope.Error()) << m.Name() << " " << j;
        }
    }
}

}  // namespace
}  // namespace vantiq
