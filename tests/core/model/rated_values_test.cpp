#include "core/model/rated_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ios>
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

// The derivation written out as plainly as it can be, with its own numbers:
// every current from 0 by a hundredth of the nominal current while below
// twice it, for each the first Tc from 200 K by 0.05 K up to 400 K whose heat
// lies within ±0.05 W, and the current whose Tc is coldest (the first on ties).
RatedValues PlainDerivation(const TemRecord& m, double th) {
    const double nominal = m.file.nominalCurrent;
    double bestDt = 400.0;
    double bestCurrent = 0.0;
    for (double current = 0.0; current < 2 * nominal; current += nominal / 100) {
        for (double tc = 200.0; tc <= 400.0; tc += 0.05) {
            const double heat = ColdSideHeat(m, current, tc, th);
            if (-0.05 <= heat && heat <= 0.05) {
                if (tc - th < bestDt) {
                    bestDt = tc - th;
                    bestCurrent = current;
                }
                break;
            }
        }
    }
    return {bestCurrent, ModuleVoltage(m, bestCurrent, th + bestDt, th), bestDt,
            ColdSideHeat(m, bestCurrent, th, th), AcResistance(m)};
}

// Bit for bit: a grid or current step that is off in its last digits moves
// these values while leaving them within any tolerance a reader would pick.
TEST(DeriveRatedValues, WorkedExampleIsPinnedBitForBit) {
    struct Case {
        double th;
        RatedValues expected;
    };
    const Case cases[] = {
        {298.0,
         {0x1.87ae147ae146fp+2, 0x1.c809f0d8e60c6p+3, -0x1.0effffffffe1cp+6, 0x1.aaa69cbbbd3ebp+5,
          0x1.0cb8bceae49fbp+1}},
        {350.0,
         {0x1.c147ae147ae02p+2, 0x1.03a264cfa135ep+4, -0x1.5c33333332f44p+6, 0x1.245856124e264p+6,
          0x1.0cb8bceae49fbp+1}},
    };
    for (const auto& c : cases) {
        const RatedValues plain = PlainDerivation(WorkedExampleModule(), c.th);
        EXPECT_EQ(plain, c.expected)
            << "th " << c.th << ": " << std::hexfloat << plain.imax << " " << plain.umax << " "
            << plain.dtMax << " " << plain.qmax << " " << plain.acResistance;
        EXPECT_EQ(DeriveReference(WorkedExampleModule(), c.th), c.expected) << "th " << c.th;
        TemRecord fast = WorkedExampleModule();
        ASSERT_TRUE(DeriveRatedValues(fast, c.th));
        EXPECT_EQ(RatedValues(fast.rated), c.expected) << "th " << c.th;
    }
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
        double FileFields::*field;
        double value;
    };
    const Case cases[] = {
        {"nominal current 0", &FileFields::nominalCurrent, 0.0},
        {"negative nominal current", &FileFields::nominalCurrent, -3.0},
        {"NaN nominal current", &FileFields::nominalCurrent, nan},
        {"zero leg length", &FileFields::pelletLength, 0.0},
        {"zero leg side", &FileFields::pelletSide, 0.0},
        {"zero conductivity", &FileFields::electricalConductivity, 0.0},
        {"NaN Seebeck coefficient", &FileFields::seebeckCoefficient, nan},
        {"infinite thermal conductivity", &FileFields::thermalConductivity, inf},
    };
    for (const auto& c : cases) {
        TemRecord m = WorkedExampleModule();
        m.file.*c.field = c.value;
        EXPECT_FALSE(DeriveReference(m, 298.0)) << c.what;
        EXPECT_FALSE(DeriveRatedValues(m, 298.0)) << c.what;
        EXPECT_FALSE(m.rated.derivable) << c.what;
    }
}

TEST(DeriveReference, TinyNominalCurrentEndsInsteadOfSpinning) {
    TemRecord m = WorkedExampleModule();
    m.file.nominalCurrent = 5e-324;  // a hundredth of it is 0, so the current would never advance
    const auto v = DeriveReference(m, 298.0);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->imax, 0.0);
}

// A module of the kind that reaches below 200 K at a cold hot side: 127
// couples of 1.4 mm square, 2.5 mm long legs of good material.
TemRecord LongLegModule() {
    TemRecord m = WorkedExampleModule("LONG-127");
    m.file.pelletLength = 0.0025;
    m.file.electricalConductivity = 1.092e5;
    m.file.seebeckCoefficient = 2.197e-4;
    m.file.thermalConductivity = 1.315;
    m.file.nominalCurrent = 3.58;
    return m;
}

// Once the currents strong enough to reach below 200 K were dropped, dTmax
// stuck at Th − 200 K and Imax leapt between 0.6 and 6.6 A from one hot side
// to the next.
TEST(DeriveRatedValues, ColdHotSidesRiseSmoothly) {
    TemRecord strong = WorkedExampleModule("STRONG");
    strong.file.seebeckCoefficient = 2.4e-4;
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
        EXPECT_EQ(derived.rated.dtMax, c.values.dtMax) << c.what;
        EXPECT_EQ(derived.rated.imax, c.values.imax) << c.what;
    }
}

TEST(DeriveRatedValues, WritesIntoTheRecord) {
    TemRecord m = WorkedExampleModule();
    ASSERT_TRUE(DeriveRatedValues(m, 298.0));
    EXPECT_TRUE(m.rated.derivable);
    EXPECT_EQ(m.rated.imax, DeriveReference(WorkedExampleModule(), 298.0)->imax);
    EXPECT_LT(m.rated.dtMax, 0.0);
}

}  // namespace
}  // namespace vantiq
