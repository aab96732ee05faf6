#include "core/model/curve_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/model/performance_model.h"
#include "core/model/rated_values.h"
#include "test_support.h"

namespace vantiq {
namespace {

TemRecord DerivedExample(double th = 298.0) {
    TemRecord m = test::WorkedExampleModule();
    EXPECT_TRUE(DeriveRatedValues(m, th));
    return m;
}

TEST(HeatCurves, WholeKelvinStepsVisitEveryDifferenceOnce) {
    // (298 − 80) / 218 is exactly 1 K, so the scan visits x = −80 … 0.
    const auto family = BuildHeatCurves(DerivedExample(), 298.0, 218);
    for (std::size_t k = 0; k < 5; ++k) {
        const TypedCurve& curve = family.curves[k];
        EXPECT_EQ(curve.factor, kCurveFactors[k]);
        ASSERT_FALSE(curve.points.empty());
        EXPECT_EQ(curve.points.x.back(), 0.0);
        for (std::size_t i = 0; i < curve.points.size(); ++i) {
            EXPECT_GE(curve.points.y[i], 0.0);
            EXPECT_EQ(curve.points.x[i], std::round(curve.points.x[i]));
        }
    }
    EXPECT_EQ(family.AtImax().points.x.front(), -67.0) << "the first whole kelvin still pumping";
    EXPECT_LT(family.curves[0].points.size(), family.AtImax().points.size())
        << "small currents stop pumping at smaller differences";
}

TEST(HeatCurves, GenuinePointsAtMinusFiveStayInTheirCurve) {
    // At Th = 330 K and n = 500 every heat scan lands on x = −5 exactly; those
    // points once read as curve markers.
    const TemRecord m = DerivedExample(330.0);
    const auto family = BuildHeatCurves(m, 330.0, 500);
    for (const auto& curve : family.curves) {
        bool landsOnMinusFive = false;
        for (double x : curve.points.x) {
            landsOnMinusFive = landsOnMinusFive || x == -5.0;
        }
        EXPECT_TRUE(landsOnMinusFive) << curve.factor;
        EXPECT_EQ(curve.current, curve.factor * m.rated.imax);
    }
    const auto& top = family.AtImax().points;
    EXPECT_EQ(top.x.back(), 0.0);
    EXPECT_NEAR(top.y.back(), ColdSideHeat(m, m.rated.imax, 330.0, 330.0), 1e-9);
}

TEST(VoltageCurves, EveryCurveStartsAtTheModulesLargestDifference) {
    const TemRecord m = DerivedExample();
    const auto family = BuildVoltageCurves(m, 298.0, 300);
    for (const auto& curve : family.curves) {
        ASSERT_FALSE(curve.points.empty());
        EXPECT_DOUBLE_EQ(curve.points.x.front(), m.rated.dtMax);
        EXPECT_LE(curve.points.x.back(), 0.0);
    }
}

TEST(CopCurves, CoverTheHeatPointsWithPositiveHeat) {
    const TemRecord m = DerivedExample();
    const auto heat = BuildHeatCurves(m, 298.0, 300);
    const auto cop = BuildCopCurves(m, 298.0, 300);
    for (std::size_t k = 0; k < 5; ++k) {
        const auto& h = heat.curves[k].points;
        const auto& c = cop.curves[k].points;
        ASSERT_LE(c.size(), h.size());
        ASSERT_FALSE(c.empty());
        const double x = c.x.back();
        const double current = cop.curves[k].current;
        EXPECT_DOUBLE_EQ(c.y.back(), ColdSideHeat(m, current, 298.0 + x, 298.0) /
                                         (ModuleVoltage(m, current, 298.0 + x, 298.0) * current));
    }
}

// At 373 K the worked example reaches 96 K, well past the 80 K where the
// heat and COP curves used to stop.
TEST(HeatCurves, ReachTheModulesLargestDifferenceBeyondEightyKelvin) {
    const double th = 373.0;
    const TemRecord m = DerivedExample(th);
    ASSERT_LT(m.rated.dtMax, -90.0);
    TemRecord shallow = m;
    shallow.rated.dtMax = -80.0;  // a module reaching only 80 K keeps the written points alone
    const double step = (th - 80) / 300;
    for (const auto build : {BuildHeatCurves, BuildCopCurves}) {
        const auto deep = build(m, th, 300);
        const auto written = build(shallow, th, 300);
        for (std::size_t k = 0; k < 5; ++k) {
            const Curve& all = deep.curves[k].points;
            const Curve& tail = written.curves[k].points;
            ASSERT_GE(all.size(), tail.size());
            const std::size_t added = all.size() - tail.size();
            for (std::size_t i = 0; i < all.size(); ++i) {
                if (i >= added) {
                    EXPECT_EQ(all.x[i], tail.x[i - added]) << "written points stay as they were";
                    EXPECT_EQ(all.y[i], tail.y[i - added]);
                } else {
                    EXPECT_LT(all.x[i], -80.0);
                    EXPECT_GE(all.x[i], m.rated.dtMax);
                    EXPECT_GT(all.y[i], 0.0);
                }
                if (i > 0) {
                    EXPECT_LT(all.x[i - 1], all.x[i]) << "ascending across the join";
                }
            }
        }
        // At imax the curve now runs down to where the module stops pumping.
        EXPECT_LT(deep.AtImax().points.x.front(), m.rated.dtMax + 2 * step);
    }
    EXPECT_EQ(BuildVoltageCurves(m, th, 300).AtImax().points.x.front(), m.rated.dtMax);
}

TEST(CurveFamily, ExtentsKeepTheTraditionalMarkers) {
    CurveFamily empty;
    EXPECT_EQ(empty.MinX(), -5.0);
    EXPECT_EQ(empty.MaxY(), 0.0);
    CurveFamily family;
    family.curves[2].points = {{-3.0, -2.0}, {-1.0, -0.5}};
    EXPECT_EQ(family.MinX(), -5.0);
    EXPECT_EQ(family.MaxY(), 0.0);
    family.curves[4].points = {{-70.0}, {12.5}};
    EXPECT_EQ(family.MinX(), -70.0);
    EXPECT_EQ(family.MaxY(), 12.5);
}

TEST(DeltaTCurve, SamplesCurrentsBelowTwoAndAHalfImax) {
    const TemRecord m = DerivedExample();
    const auto curve = BuildDeltaTCurve(m, 298.0, 200, 300);
    ASSERT_GT(curve.size(), 20u) << "a 0.5 K scan misses the band for some currents";
    EXPECT_LE(curve.size(), 200u);
    EXPECT_EQ(curve.x.front(), 0.0) << "zero current balances just below the hot side";
    EXPECT_LE(curve.y.front(), 0.0);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        EXPECT_LT(curve.x[i], 2.5 * m.rated.imax);
        // Far past imax the Joule heat keeps the cold side above the hot one.
        EXPECT_LT(curve.y[i], 373.0 - 298.0);
        EXPECT_GE(curve.y[i], 223.0 - 298.0);
    }
}

// At a cold hot side the strong currents balance below the scan's start of
// 223 K; they once left a gap that the graph bridged with a flat line.
TEST(DeltaTCurve, EveryStrongCurrentBalancesAtAColdHotSide) {
    for (double th : {223.0, 253.0}) {
        const TemRecord m = DerivedExample(th);
        ASSERT_LT(th + m.rated.dtMax, 223.0);
        const auto curve = BuildDeltaTCurve(m, th, 100, 3000);
        std::size_t scanned = 0;
        for (double current = 0; current < 2.5 * m.rated.imax;
             current += 2.5 * m.rated.imax / 100) {
            ++scanned;
        }
        ASSERT_EQ(curve.size(), scanned) << "one point per current at " << th;
        double coldest = 0.0;
        for (double y : curve.y) {
            coldest = std::min(coldest, y);
        }
        EXPECT_NEAR(coldest, m.rated.dtMax, 0.5)
            << "the curve's lowest point is the module's dTmax";
    }
}

TEST(DeltaTCurve, DegenerateInputsEndQuickly) {
    TemRecord m = DerivedExample();
    EXPECT_LE(BuildDeltaTCurve(m, 298.0, 0, 0).size(), 1u) << "zero steps evaluate one point";
    std::size_t heatPoints = 0;
    for (const auto& curve : BuildHeatCurves(m, 298.0, 0).curves) {
        heatPoints += curve.points.size();
    }
    EXPECT_LE(heatPoints, 5u);
    m.rated.imax = 0.0;
    EXPECT_TRUE(BuildDeltaTCurve(m, 298.0, 100, 100).empty());
    m.rated.imax = 1e-320;  // with 2^32 − 1 steps the current step is 0
    EXPECT_LE(BuildDeltaTCurve(m, 298.0, 4294967295u, 100).size(), 1u);
}

}  // namespace
}  // namespace vantiq

namespace vantiq {
namespace {

// Curves equal bit for bit, point by point.
void ExpectSameCurve(const Curve& actual, const Curve& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual.x[i]),
                  std::bit_cast<std::uint64_t>(expected.x[i]))
            << what << " x of point " << i;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual.y[i]),
                  std::bit_cast<std::uint64_t>(expected.y[i]))
            << what << " y of point " << i;
    }
}

// The points of `curve` at x in [low, high].
Curve Within(const Curve& curve, double low, double high) {
    Curve kept;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (low <= curve.x[i] && curve.x[i] <= high) {
            kept.x.push_back(curve.x[i]);
            kept.y.push_back(curve.y[i]);
        }
    }
    return kept;
}

TEST(ImaxCurves, AreTheFamiliesLastCurvesWithinTheRange) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double th : {223.0, 298.0, 373.0}) {
        TemRecord m = test::WorkedExampleModule();
        ASSERT_TRUE(DeriveRatedValues(m, th));
        const Curve heat = BuildHeatCurves(m, th, 500).AtImax().points;
        const Curve voltage = BuildVoltageCurves(m, th, 500).AtImax().points;
        ExpectSameCurve(BuildImaxHeatCurve(m, th, 500, -inf, inf), heat, "heat");
        ExpectSameCurve(BuildImaxVoltageCurve(m, th, 500, -inf, inf), voltage, "voltage");
        ExpectSameCurve(BuildImaxHeatCurve(m, th, 500, -20.5, -19.5), Within(heat, -20.5, -19.5),
                        "heat");
        ExpectSameCurve(BuildImaxVoltageCurve(m, th, 500, -20.5, -19.5),
                        Within(voltage, -20.5, -19.5), "voltage");
        EXPECT_FALSE(BuildImaxHeatCurve(m, th, 500, -20.5, -19.5).empty());
        ExpectSameCurve(BuildImaxHeatCurve(m, th, 500, -90.5, -79.5), Within(heat, -90.5, -79.5),
                        "heat beyond 80 K");
    }
}

}  // namespace
}  // namespace vantiq
