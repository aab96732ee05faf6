#include "core/selection/record_filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "core/model/rated_values.h"
#include "test_support.h"

namespace vantiq {
namespace {

constexpr double kThot = 298.0;

// A module with rated values set by hand and no physical constants: any
// curve test on it fails, so a match proves the curve test did not apply.
TemRecord HandMadeModule() {
    TemRecord r;
    std::strcpy(r.file.name.data(), "XABCY-127");
    r.rated.qmax = 10;
    r.rated.dtMax = -60;
    r.rated.umax = 12;
    r.rated.imax = 3;
    r.rated.acResistance = 2;
    r.file.width = 40;
    r.file.length = 30;
    r.file.height = 3.8;
    r.rated.derivable = true;
    return r;
}

struct FilterCase {
    const char* name;
    SearchCriteria criteria;
    bool matches;
};

class HandMadeModuleTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(HandMadeModuleTest, Matches) {
    EXPECT_EQ(RecordMatches(HandMadeModule(), kThot, GetParam().criteria), GetParam().matches);
}

using C = SearchCriteria;
constexpr auto kResistance = ElectricalMode::Resistance;

INSTANTIATE_TEST_SUITE_P(
    Cases, HandMadeModuleTest,
    ::testing::Values(
        FilterCase{"NothingSet", {}, true},
        FilterCase{"QmaxEqualToQPasses", {.requiredQ = 10}, true},
        FilterCase{"QAboveQmaxFails", {.requiredQ = 10.001}, false},
        FilterCase{"NegativeQPasses", {.requiredQ = -5}, true},
        FilterCase{"DtEqualToDtmaxPasses", {.requiredDT = 60}, true},
        FilterCase{"DtAboveDtmaxFails", {.requiredDT = 60.001}, false},
        FilterCase{"UmaxEqualToSupplyPasses", {.supplyVoltage = 12, .supplyCurrent = 6}, true},
        FilterCase{"SupplyAboveUmaxFails", {.supplyVoltage = 12.5, .supplyCurrent = 6}, false},
        FilterCase{"SupplyVoltageAloneIsNoRequirement", {.supplyVoltage = 12.5}, true},
        FilterCase{"SupplyTypedInResistanceModeStillCounts",
                   {.electricalMode = kResistance, .supplyVoltage = 12.5, .supplyCurrent = 6},
                   false},
        FilterCase{"CurveTestAppliesWithAllSupplyValues",
                   {.requiredQ = 5, .requiredDT = 30, .supplyVoltage = 10, .supplyCurrent = 6},
                   false},
        FilterCase{"WidthEqualPasses", {.maxWidth = 40}, true},
        FilterCase{"WiderFails", {.maxWidth = 39.99}, false},
        FilterCase{"LengthEqualPasses", {.maxLength = 30}, true},
        FilterCase{"LongerFails", {.maxLength = 29.99}, false},
        FilterCase{"HeightEqualPasses", {.maxHeight = 3.8}, true},
        FilterCase{"HigherFails", {.maxHeight = 3.79}, false},
        FilterCase{"NegativeWidthFailsAll", {.maxWidth = -1}, false},
        FilterCase{"NameFragmentInTheMiddle", {.nameFilter = "ABC"}, true},
        FilterCase{"NameFragmentAtTheStart", {.nameFilter = "XA"}, true},
        FilterCase{"NameFragmentAtTheEnd", {.nameFilter = "-127"}, true},
        FilterCase{"WholeName", {.nameFilter = "XABCY-127"}, true},
        FilterCase{"NameIsCaseSensitive", {.nameFilter = "abc"}, false},
        FilterCase{"FragmentLongerThanName", {.nameFilter = "XABCY-1270"}, false},
        FilterCase{"NameAndHeightBothCount", {.nameFilter = "ABC", .maxHeight = 1}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordMatches, ModuleThatCannotBeDerivedNeverMatches) {
    TemRecord r = HandMadeModule();
    r.rated.derivable = false;
    EXPECT_FALSE(RecordMatches(r, kThot, SearchCriteria{}));
}

TEST(RecordMatches, CyrillicNamesCompareByExactBytes) {
    TemRecord r = HandMadeModule();
    std::strcpy(r.file.name.data(), "\xD2\xDD\xCC 127");  // ТЭМ 127
    SearchCriteria criteria;
    criteria.nameFilter = "\xDD\xCC";
    EXPECT_TRUE(RecordMatches(r, kThot, criteria));
    criteria.nameFilter = "\xFD\xEC";  // эм
    EXPECT_FALSE(RecordMatches(r, kThot, criteria));
}

// The worked-example module at 25 °C: Imax 6.12 A, Umax 14.25 V. On its Imax
// curve the best heat at dT 30 K (rounded) is 30.2 W, at 29 K 31.2 W, at 31 K
// 29.5 W; the lowest voltage at 30 K is 13.4 V.
class CurveTestTest : public ::testing::TestWithParam<FilterCase> {
protected:
    static void SetUpTestSuite() {
        module_ = test::WorkedExampleModule();
        ASSERT_TRUE(DeriveRatedValues(module_, kThot));
    }
    static TemRecord module_;
};

TemRecord CurveTestTest::module_;

TEST_P(CurveTestTest, Matches) {
    EXPECT_EQ(RecordMatches(module_, kThot, GetParam().criteria), GetParam().matches);
}

// Supply mode with Q, dT, U and I.
SearchCriteria Supply(double q, double dt, double u, double i) {
    return {.requiredQ = q, .requiredDT = dt, .supplyVoltage = u, .supplyCurrent = i};
}

// Resistance mode, 1 %, with Q, dT, R (and a supply voltage left typed in).
SearchCriteria Resistance(double q, double dt, double r, double u = 0) {
    return {.electricalMode = kResistance,
            .requiredQ = q,
            .requiredDT = dt,
            .supplyVoltage = u,
            .supplyCurrent = 6.1,
            .requiredResistance = r};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurveTestTest,
    ::testing::Values(
        FilterCase{"Dt29_6IsComparedAs30", Supply(30.2, 29.6, 13.4, 6.1), true},
        FilterCase{"Dt30_4IsComparedAs30", Supply(30.2, 30.4, 13.4, 6.1), true},
        FilterCase{"Dt30_5IsComparedAs31", Supply(30.2, 30.5, 13.4, 6.1), false},
        FilterCase{"Dt29_4IsComparedAs29", Supply(31.2, 29.4, 13.4, 6.1), true},
        FilterCase{"QATenthAboveTheCurveFails", Supply(30.3, 29.6, 13.4, 6.1), false},
        FilterCase{"QRoundedToATenth", Supply(30.24, 29.6, 13.4, 6.1), true},
        FilterCase{"VoltageBelowTheCurveFails", Supply(30.2, 29.6, 13.3, 6.1), false},
        FilterCase{"VoltageRoundedToATenth", Supply(30.2, 29.6, 13.36, 6.1), true},
        FilterCase{"VoltageAboveUmaxFails", Supply(30.2, 29.6, 14.3, 6.1), false},
        FilterCase{"SupplyCurrentBelowImaxFails", Supply(30.2, 29.6, 13.4, 6.0), false},
        FilterCase{"SupplyCurrentRoundedToATenth", Supply(30.2, 29.6, 13.4, 6.06), true},
        FilterCase{"DtBeyondTheHeatCurveFails", Supply(30.2, 68, 13.4, 6.1), false},
        FilterCase{"NegativeQCountsForTheCurveTest", Supply(-5, 67.6, 13.4, 6.1), false},
        FilterCase{"ResistanceModeIgnoresTheVoltageCurve", Resistance(30.2, 29.6, 2.1, 13.3), true},
        FilterCase{"ResistanceOutsideTheBandFails", Resistance(30.2, 29.6, 2.2), false},
        FilterCase{"HeatStillTestedInResistanceMode", Resistance(30.3, 29.6, 2.1), false},
        // Q and dT without the electrical values the curve test needs: the
        // heat test alone, so the dT line of the criteria text holds.
        FilterCase{"HeatAloneWithoutSupply", {.requiredQ = 30.2, .requiredDT = 29.6}, true},
        FilterCase{"HeatAloneATenthAboveFails", {.requiredQ = 30.3, .requiredDT = 29.6}, false},
        FilterCase{"HeatAloneDtBeyondTheCurveFails", {.requiredQ = 5, .requiredDT = 70}, false},
        FilterCase{"HeatAloneWithOneSupplyValue",
                   {.requiredQ = 30.2, .requiredDT = 29.6, .supplyCurrent = 0.5},
                   true},
        FilterCase{"HeatAloneWithOneSupplyValueFails",
                   {.requiredQ = 30.3, .requiredDT = 29.6, .supplyVoltage = 1},
                   false},
        FilterCase{"HeatAloneInResistanceModeWithoutR",
                   {.electricalMode = kResistance, .requiredQ = 30.2, .requiredDT = 29.6},
                   true},
        FilterCase{"HeatAloneInResistanceModeWithoutRFails",
                   {.electricalMode = kResistance, .requiredQ = 30.3, .requiredDT = 29.6},
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

struct BandCase {
    const char* name;
    double resistance;
    bool matches;
};

class ResistanceBandTest : public ::testing::TestWithParam<BandCase> {};

// The 5 % band of a 2.0 Ω module is 1.9 Ω to 2.1 Ω, both ends included.
TEST_P(ResistanceBandTest, FivePercentAroundTheModule) {
    TemRecord r = test::WorkedExampleModule();
    ASSERT_TRUE(DeriveRatedValues(r, kThot));
    r.rated.acResistance = 2.0;
    SearchCriteria criteria = Resistance(30.2, 30, GetParam().resistance);
    criteria.tolerancePercent = 5;
    EXPECT_EQ(RecordMatches(r, kThot, criteria), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResistanceBandTest,
    ::testing::Values(BandCase{"LowEnd", 1.9, true}, BandCase{"Below", 1.95, true},
                      BandCase{"Above", 2.05, true}, BandCase{"HighEnd", 2.1, true},
                      BandCase{"TooLow", 1.8, false}, BandCase{"JustTooLow", 1.89, false},
                      BandCase{"JustTooHigh", 2.11, false}, BandCase{"TooHigh", 2.2, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A module good enough for its heat curve to reach past 80 K: the curve test
// follows it down to its own dTmax, and no further.
TEST(RecordMatches, DtBeyondEightyKelvinPassesUpToTheModulesReach) {
    TemRecord r = test::WorkedExampleModule();
    r.file.seebeckCoefficient = 0.0003;
    r.file.thermalConductivity = 1.0;
    ASSERT_TRUE(DeriveRatedValues(r, kThot));
    ASSERT_GT(-r.rated.dtMax, 90);
    SearchCriteria criteria = Resistance(0.1, 80.4, r.rated.acResistance);
    EXPECT_TRUE(RecordMatches(r, kThot, criteria));
    criteria.requiredDT = 85;
    EXPECT_TRUE(RecordMatches(r, kThot, criteria));
    criteria.requiredDT = std::round(-r.rated.dtMax) + 2;
    EXPECT_FALSE(RecordMatches(r, kThot, criteria));
}

}  // namespace
}  // namespace vantiq
