#include "core/model/module_inputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/model/rated_values.h"
#include "test_support.h"

namespace vantiq {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
using test::kInf;

struct FieldCase {
    const char* what;
    double FileFields::*field;
    double value;
};

// Each of these rated the worked example's module with finite but meaningless
// values (a negative resistance, dTmax of 98 K at 0 A), or not at all after
// scanning for up to a hundred times as long as a sound module.
const FieldCase kUnphysical[] = {
    {"negative leg length", &FileFields::pelletLength, -0.0016},
    {"negative leg side", &FileFields::pelletSide, -0.0014},
    {"negative conductivity", &FileFields::electricalConductivity, -1e5},
    {"negative Seebeck coefficient", &FileFields::seebeckCoefficient, -2e-4},
    {"zero Seebeck coefficient", &FileFields::seebeckCoefficient, 0.0},
    {"zero thermal conductivity", &FileFields::thermalConductivity, 0.0},
    {"infinite nominal current", &FileFields::nominalCurrent, kInf},
    {"NaN leg length", &FileFields::pelletLength, kNan},
    {"infinite conductivity", &FileFields::electricalConductivity, kInf},
    {"subnormal conductivity", &FileFields::electricalConductivity, 5e-324},
    {"subnormal leg length", &FileFields::pelletLength, 1e-310},
    {"negative width", &FileFields::width, -40.0},
    {"NaN length", &FileFields::length, kNan},
    {"infinite height", &FileFields::height, kInf},
};

TEST(HasPhysicalInputs, DamagedValuesAreNotRated) {
    for (const auto& c : kUnphysical) {
        TemRecord m = test::WorkedExampleModule();
        m.file.*c.field = c.value;
        EXPECT_FALSE(HasPhysicalInputs(m)) << c.what;
        EXPECT_FALSE(DeriveRatedValues(m, 298.0)) << c.what;
    }
    TemRecord noCouples = test::WorkedExampleModule();
    noCouples.file.pelletCount = 0;
    EXPECT_FALSE(DeriveRatedValues(noCouples, 298.0)) << "no couples";
}

TEST(HasPhysicalInputs, UnknownDimensionsAreAccepted) {
    TemRecord m = test::WorkedExampleModule();
    m.file.width = m.file.length = m.file.height = 0.0;
    EXPECT_TRUE(HasPhysicalInputs(m));
}

// Extreme but positive constants pass the check; the derivation then either
// rates the module with finite numbers or leaves it unrated.
TEST(DeriveRatedValues, ExtremeConstantsNeverGiveNonFiniteValues) {
    const FieldCase cases[] = {
        {"smallest conductivity", &FileFields::electricalConductivity, 2.3e-308},
        {"largest conductivity", &FileFields::electricalConductivity, 1.7e308},
        {"largest nominal current", &FileFields::nominalCurrent, 1.7e308},
        {"smallest nominal current", &FileFields::nominalCurrent, 5e-324},
        {"tiny leg length", &FileFields::pelletLength, 2.3e-308},
        {"huge thermal conductivity", &FileFields::thermalConductivity, 1e300},
    };
    for (const auto& c : cases) {
        TemRecord m = test::WorkedExampleModule();
        m.file.*c.field = c.value;
        if (DeriveRatedValues(m, 298.0)) {
            for (double v :
                 {m.rated.imax, m.rated.umax, m.rated.dtMax, m.rated.qmax, m.rated.acResistance}) {
                EXPECT_TRUE(std::isfinite(v)) << c.what;
            }
        }
    }
}

}  // namespace
}  // namespace vantiq
