#include "core/model/rated_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/model/performance_model.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::WorkedExampleModule;

TEST(PerformanceModel, WorkedExampleOperatingPoint) {
    const TemRecord m = WorkedExampleModule();
    EXPECT_NEAR(ColdSideHeat(m, 3.0, 278.0, 298.0), 23.098, 5e-4);
    EXPECT_NEAR(ModuleVoltage(m, 3.0, 278.0, 298.0), 7.0002, 5e-5);
    EXPECT_NEAR(AcResistance(m), 2.0994, 5e-5);
}

TEST(PerformanceModel, WithoutCurrentOnlyConductionRemains) {
    const TemRecord m = WorkedExampleModule();
    // K(x)·x = 2κN(A/L)(x − 0.0009x²) at x = −10.
    const double conductance = 2 * 1.5 * 127 * (0.0014 * 0.0014 / 0.0016);
    EXPECT_NEAR(ColdSideHeat(m, 0.0, 288.0, 298.0), conductance * (-10 - 0.0009 * 100), 1e-12);
    EXPECT_EQ(ColdSideHeat(m, 0.0, 298.0, 298.0), 0.0);
}

TEST(DeriveReference, WorkedExample) {
    const auto v = DeriveReference(WorkedExampleModule(), 298.0);
    ASSERT_TRUE(v);
    double current = 0.0;
    for (int i = 0; i < 102; ++i) {
        current += 0.06;
    }
    EXPECT_EQ(v->imax, current) << "imax is the accumulated sum of 102 steps";
    EXPECT_NEAR(v->dtMax, -67.75, 0.005);
    EXPECT_NEAR(v->umax, 14.251, 5e-4);
    EXPECT_NEAR(v->qmax, 53.331, 5e-4);
    EXPECT_NEAR(v->acResistance, 2.0994, 5e-5);
    EXPECT_EQ(v->qmax, ColdSideHeat(WorkedExampleModule(), v->imax, 298.0, 298.0));
}

TEST(DeriveReference, HotSideChangesEverythingButResistance) {
    const auto cool = DeriveReference(WorkedExampleModule(), 298.0);
    const auto hot = DeriveReference(WorkedExampleModule(), 350.0);
    ASSERT_TRUE(cool && hot);
    EXPECT_LT(hot->dtMax, cool->dtMax) << "a hotter module reaches a larger difference";
    EXPECT_NE(hot->qmax, cool->qmax);
    EXPECT_EQ(hot->acResistance, cool->acResistance);
}

TEST(DeriveReference, ModulesWithoutBalanceAreNotDerivable) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        double TemRecord::*field;
        double value;
    };
    const Case cases[] = {
        {"nominal current 0", &TemRecord::imax, 0.0},
        {"negative nominal current", &TemRecord::imax, -3.0},
        {"NaN nominal current", &TemRecord::imax, nan},
        {"zero leg length", &TemRecord::pelletLength, 0.0},
        {"zero leg side", &TemRecord::pelletSide, 0.0},
        {"zero conductivity", &TemRecord::electricalConductivity, 0.0},
        {"NaN Seebeck coefficient", &TemRecord::seebeckCoefficient, nan},
        {"infinite thermal conductivity", &TemRecord::thermalConductivity, inf},
    };
    for (const auto& c : cases) {
        TemRecord m = WorkedExampleModule();
        m.*c.field = c.value;
        EXPECT_FALSE(DeriveReference(m, 298.0)) << c.what;
        EXPECT_FALSE(DeriveRatedValues(m, 298.0)) << c.what;
        EXPECT_FALSE(m.derivable) << c.what;
    }
}

TEST(DeriveReference, TinyNominalCurrentEndsInsteadOfSpinning) {
    TemRecord m = WorkedExampleModule();
    m.imax = 5e-324;  // a hundredth of it is 0, so the current would never advance
    const auto v = DeriveReference(m, 298.0);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->imax, 0.0);
}

TEST(DeriveRatedValues, WritesIntoTheRecord) {
    TemRecord m = WorkedExampleModule();
    ASSERT_TRUE(DeriveRatedValues(m, 298.0));
    EXPECT_TRUE(m.derivable);
    EXPECT_EQ(m.imax, DeriveReference(WorkedExampleModule(), 298.0)->imax);
    EXPECT_LT(m.dtMax, 0.0);
}

}  // namespace
}  // namespace vantiq
