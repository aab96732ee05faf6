#include "core/model/rated_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

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

// A module of the kind that reaches below 200 K at a cold hot side: 127
// couples of 1.4 mm square, 2.5 mm long legs of good material.
TemRecord LongLegModule() {
    TemRecord m = WorkedExampleModule("LONG-127");
    m.pelletLength = 0.0025;
    m.electricalConductivity = 1.092e5;
    m.seebeckCoefficient = 2.197e-4;
    m.thermalConductivity = 1.315;
    m.imax = 3.58;
    return m;
}

// Once the currents strong enough to reach below 200 K were dropped, dTmax
// stuck at Th − 200 K and Imax leapt between 0.6 and 6.6 A from one hot side
// to the next.
TEST(DeriveRatedValues, ColdHotSidesRiseSmoothly) {
    TemRecord strong = WorkedExampleModule("STRONG");
    strong.seebeckCoefficient = 2.4e-4;
    for (const TemRecord& module : {WorkedExampleModule(), LongLegModule(), strong}) {
        std::optional<RatedValues> previous;
        for (double th : {223.0, 233.0, 243.0, 253.0}) {
            const auto v = DeriveReference(module, th);
            ASSERT_TRUE(v) << module.Name() << " at " << th;
            if (!previous) {
                EXPECT_LT(v->dtMax, 200.0 - th) << module.Name() << " reaches below 200 K";
            } else {
                EXPECT_LT(v->dtMax, previous->dtMax - 2.0) << module.Name() << " at " << th;
                EXPECT_NEAR(v->imax, previous->imax, 0.1 * previous->imax)
                    << module.Name() << " at " << th;
            }
            previous = v;
        }
    }
}

// Every balance point of these lies at or above 200 K, so the second scan
// never runs and the rated values are exactly those derived before it existed.
TEST(DeriveReference, NothingChangesWhereNoBalanceLiesBelowTheScan) {
    struct Pinned {
        const char* what;
        TemRecord module;
        double th;
        RatedValues values;
    };
    const Pinned cases[] = {
        {"worked example at 253 K",
         WorkedExampleModule(),
         253.0,
         {0x1.4a3d70a3d709fp+2, 0x1.84145ae5145b3p+3, -0x1.a0cccccccccbp+5, 0x1.32f50d852822cp+5,
          0x1.0cb8bceae49fbp+1}},
        {"worked example at 373 K",
         WorkedExampleModule(),
         373.0,
         {0x1.dffffffffffeap+2, 0x1.1357d91c470ffp+4, -0x1.7fcccccccc7fcp+6, 0x1.4c45583b2eda2p+6,
          0x1.0cb8bceae49fbp+1}},
        {"long legs at 298 K",
         LongLegModule(),
         298.0,
         {0x1.12f1a9fbe76cfp+2, 0x1.e12622c192e6ep+3, -0x1.56fffffffff3cp+6, 0x1.5e972c9348d2ep+5,
          0x1.7f12e7c70a8bep+1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeriveReference(c.module, c.th), c.values) << c.what;
        TemRecord derived = c.module;
        ASSERT_TRUE(DeriveRatedValues(derived, c.th)) << c.what;
        EXPECT_EQ(derived.dtMax, c.values.dtMax) << c.what;
        EXPECT_EQ(derived.imax, c.values.imax) << c.what;
    }
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
