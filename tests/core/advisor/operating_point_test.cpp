#include "core/advisor/operating_point.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/model/performance_model.h"
#include "module_generator.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::kTh;

// Loads from light to near the peak, at several differences, on the worked
// example and a spread of generated modules: the current must reproduce the
// model's own heat and voltage, and lie on the rising side of the parabola.
TEST(CarryHeat, CurrentIsTheSmallerRootOfTheModelsHeat) {
    auto modules = test::GeneratedModules(12, 7);
    modules.push_back(test::WorkedExampleModule());
    for (const TemRecord& r : modules) {
        for (double dt : {0.0, 10.0, 30.0, 50.0}) {
            const double tc = kTh - dt;
            const ModuleLoad full = CarryHeat(CoefficientsAt(r, tc, kTh), 0.0);
            for (double share : {0.05, 0.5, 0.95}) {
                const double q = share * full.peak;
                if (q <= 0.0) {
                    continue;
                }
                const ModuleLoad load = CarryHeat(CoefficientsAt(r, tc, kTh), q);
                ASSERT_TRUE(load.pumps) << r.Name() << " dT " << dt;
                EXPECT_NEAR(ColdSideHeat(r, load.current, tc, kTh), q, 1e-9 * q);
                EXPECT_NEAR(ModuleVoltage(r, load.current, tc, kTh), load.voltage,
                            1e-12 * load.voltage);
                // Past the smaller root the heat keeps rising up to the peak.
                EXPECT_GT(ColdSideHeat(r, load.current * 1.001, tc, kTh), q);
            }
        }
    }
}

TEST(CarryHeat, PeakIsTheEdgeOfWhatTheModulePumps) {
    const TemRecord r = test::WorkedExampleModule();
    const OperatingCoefficients k = CoefficientsAt(r, kTh - 30.0, kTh);
    const double peak = CarryHeat(k, 0.0).peak;
    // The peak is the largest heat any current gives.
    double best = 0.0;
    for (double i = 0.0; i < 20.0; i += 0.001) {
        best = std::max(best, ColdSideHeat(r, i, kTh - 30.0, kTh));
    }
    EXPECT_NEAR(peak, best, 1e-6 * peak);
    EXPECT_TRUE(CarryHeat(k, peak * (1 - 1e-9)).pumps);
    EXPECT_FALSE(CarryHeat(k, peak * (1 + 1e-9)).pumps);
    // Beyond its largest difference the module pumps nothing at all.
    EXPECT_FALSE(CarryHeat(CoefficientsAt(r, kTh - 80.0, kTh), 0.1).pumps);
    // A cold side at or below absolute zero is no operating point.
    EXPECT_FALSE(CarryHeat(CoefficientsAt(r, 0.0, kTh), 0.1).pumps);
}

TEST(SetPointAt, ModulesShareTheLoadAndTheSupplySeesTheWiring) {
    const TemRecord r = test::WorkedExampleModule();
    const double tc = kTh - 20.0;
    const auto one = SetPointAt(r, 10.0, 1, Wiring::Series, tc, kTh);
    const auto series = SetPointAt(r, 30.0, 3, Wiring::Series, tc, kTh);
    const auto parallel = SetPointAt(r, 30.0, 3, Wiring::Parallel, tc, kTh);
    ASSERT_TRUE(one && series && parallel);
    EXPECT_EQ(series->current, one->current);
    EXPECT_EQ(series->SupplyVoltage(), 3 * one->voltage);
    EXPECT_EQ(series->SupplyCurrent(), one->current);
    EXPECT_EQ(parallel->SupplyVoltage(), one->voltage);
    EXPECT_EQ(parallel->SupplyCurrent(), 3 * one->current);
    EXPECT_DOUBLE_EQ(series->power, 3 * one->power);
    EXPECT_DOUBLE_EQ(series->cop, one->cop);
    EXPECT_DOUBLE_EQ(series->heatRejected, 30.0 + series->power);
    EXPECT_DOUBLE_EQ(series->margin, 3 * one->peak / 30.0);
    EXPECT_EQ(series->dt, 20.0);
}

}  // namespace
}  // namespace vantiq
