#include "core/model/module_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/model/rated_values.h"
#include "test_support.h"

namespace vantiq {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct FieldCase {
    const char* what;
    double TemRecord::*field;
    double value;
};

// Each of these rated the worked example's module with finite but meaningless
// values (a negative resistance, dTmax of 98 K at 0 A), or not at all after
// scanning for up to a hundred times as long as a sound module.
const FieldCase kUnphysical[] = {
    {"negative leg length", &TemRecord::pelletLength, -0.0016},
    {"negative leg side", &TemRecord::pelletSide, -0.0014},
    {"negative conductivity", &TemRecord::electricalConductivity, -1e5},
    {"negative Seebeck coefficient", &TemRecord::seebeckCoefficient, -2e-4},
    {"zero Seebeck coefficient", &TemRecord::seebeckCoefficient, 0.0},
    {"zero thermal conductivity", &TemRecord::thermalConductivity, 0.0},
    {"infinite nominal current", &TemRecord::imax, kInf},
    {"NaN leg length", &TemRecord::pelletLength, kNan},
    {"infinite conductivity", &TemRecord::electricalConductivity, kInf},
    {"subnormal conductivity", &TemRecord::electricalConductivity, 5e-324},
    {"subnormal leg length", &TemRecord::pelletLength, 1e-310},
    {"negative width", &TemRecord::width, -40.0},
    {"NaN length", &TemRecord::length, kNan},
    {"infinite height", &TemRecord::height, kInf},
};

TEST(HasPhysicalInputs, DamagedValuesAreNotRated) {
    for (const auto& c : kUnphysical) {
        TemRecord m = test::WorkedExampleModule();
        m.*c.field = c.value;
        EXPECT_FALSE(HasPhysicalInputs(m)) << c.what;
        EXPECT_FALSE(DeriveRatedValues(m, 298.0)) << c.what;
    }
    TemRecord noCouples = test::WorkedExampleModule();
    noCouples.pelletCount = 0;
    EXPECT_FALSE(DeriveRatedValues(noCouples, 298.0)) << "no couples";
}

TEST(HasPhysicalInputs, UnknownDimensionsAreAccepted) {
    TemRecord m = test::WorkedExampleModule();
    m.width = m.length = m.height = 0.0;
    EXPECT_TRUE(HasPhysicalInputs(m));
}

// Extreme but positive constants pass the check; the derivation then either
// rates the module with finite numbers or leaves it unrated.
TEST(DeriveRatedValues, ExtremeConstantsNeverGiveNonFiniteValues) {
    const FieldCase cases[] = {
        {"smallest conductivity", &TemRecord::electricalConductivity, 2.3e-308},
        {"largest conductivity", &TemRecord::electricalConductivity, 1.7e308},
        {"largest nominal current", &TemRecord::imax, 1.7e308},
        {"smallest nominal current", &TemRecord::imax, 5e-324},
        {"tiny leg length", &TemRecord::pelletLength, 2.3e-308},
        {"huge thermal conductivity", &TemRecord::thermalConductivity, 1e300},
    };
    for (const auto& c : cases) {
        TemRecord m = test::WorkedExampleModule();
        m.*c.field = c.value;
        if (DeriveRatedValues(m, 298.0)) {
            for (double v : {m.imax, m.umax, m.dtMax, m.qmax, m.acResistance}) {
                EXPECT_TRUE(std::isfinite(v)) << c.what;
            }
        }
    }
}

}  // namespace
}  // namespace vantiq
