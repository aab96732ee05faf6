#include "selection/record_filter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "model/rated_values.h"
#include "test_support.h"

namespace vantiq {
namespace {

constexpr double kThot = 298.0;

// A module with rated values set by hand and no physical constants: any
// curve test on it fails, so a match proves the curve test did not apply.
TemRecord HandMadeModule() {
    TemRecord r;
    std::strcpy(r.name.data(), "XABCY-127");
    r.qmax = 10;
    r.dtMax = -60;
    r.umax = 12;
    r.imax = 3;
    r.acResistance = 2;
    r.width = 40;
    r.length = 30;
    r.height = 3.8;
    r.derivable = true;
    return r;
}

struct FilterCase {
    const char* name;
    std::function<void(SearchCriteria&)> set;
    bool matches;
};

class HandMadeModuleTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(HandMadeModuleTest, Matches) {
    SearchCriteria criteria;
    GetParam().set(criteria);
    EXPECT_EQ(RecordMatches(HandMadeModule(), kThot, criteria), GetParam().matches);
}

using C = SearchCriteria;

INSTANTIATE_TEST_SUITE_P(
    Cases, HandMadeModuleTest,
    ::testing::Values(
        FilterCase{"NothingSet", [](C&) {}, true},
        FilterCase{"QmaxEqualToQPasses", [](C& c) { c.requiredQ = 10; }, true},
        FilterCase{"QAboveQmaxFails", [](C& c) { c.requiredQ = 10.001; }, false},
        FilterCase{"NegativeQPasses", [](C& c) { c.requiredQ = -5; }, true},
        FilterCase{"DtEqualToDtmaxPasses", [](C& c) { c.requiredDT = 60; }, true},
        FilterCase{"DtAboveDtmaxFails", [](C& c) { c.requiredDT = 60.001; }, false},
        FilterCase{"DtNotTestedWhenQIsSetWithoutCurveTest",
                   [](C& c) {
                       c.requiredQ = 5;
                       c.requiredDT = 70;
                   },
                   true},
        FilterCase{"UmaxEqualToSupplyPasses",
                   [](C& c) {
                       c.supplyVoltage = 12;
                       c.supplyCurrent = 6;
                   },
                   true},
        FilterCase{"SupplyAboveUmaxFails",
                   [](C& c) {
                       c.supplyVoltage = 12.5;
                       c.supplyCurrent = 6;
                   },
                   false},
        FilterCase{"SupplyVoltageAloneIsNoRequirement", [](C& c) { c.supplyVoltage = 12.5; }, true},
        FilterCase{"SupplyTypedInResistanceModeStillCounts",
                   [](C& c) {
                       c.electricalMode = C::kResistanceMode;
                       c.supplyVoltage = 12.5;
                       c.supplyCurrent = 6;
                   },
                   false},
        FilterCase{"NoCurveTestInResistanceModeWithoutR",
                   [](C& c) {
                       c.electricalMode = C::kResistanceMode;
                       c.requiredQ = 5;
                       c.requiredDT = 70;
                   },
                   true},
        FilterCase{"NoCurveTestWithOneSupplyValue",
                   [](C& c) {
                       c.requiredQ = 5;
                       c.requiredDT = 30;
                       c.supplyCurrent = 6;
                   },
                   true},
        FilterCase{"CurveTestAppliesWithAllSupplyValues",
                   [](C& c) {
                       c.requiredQ = 5;
                       c.requiredDT = 30;
                       c.supplyVoltage = 10;
                       c.supplyCurrent = 6;
                   },
                   false},
        FilterCase{"WidthEqualPasses", [](C& c) { c.maxWidth = 40; }, true},
        FilterCase{"WiderFails", [](C& c) { c.maxWidth = 39.99; }, false},
        FilterCase{"LengthEqualPasses", [](C& c) { c.maxLength = 30; }, true},
        FilterCase{"LongerFails", [](C& c) { c.maxLength = 29.99; }, false},
        FilterCase{"HeightEqualPasses", [](C& c) { c.maxHeight = 3.8; }, true},
        FilterCase{"HigherFails", [](C& c) { c.maxHeight = 3.79; }, false},
        FilterCase{"NegativeWidthFailsAll", [](C& c) { c.maxWidth = -1; }, false},
        FilterCase{"NameFragmentInTheMiddle", [](C& c) { c.nameFilter = "ABC"; }, true},
        FilterCase{"NameFragmentAtTheStart", [](C& c) { c.nameFilter = "XA"; }, true},
        FilterCase{"NameFragmentAtTheEnd", [](C& c) { c.nameFilter = "-127"; }, true},
        FilterCase{"WholeName", [](C& c) { c.nameFilter = "XABCY-127"; }, true},
        FilterCase{"NameIsCaseSensitive", [](C& c) { c.nameFilter = "abc"; }, false},
        FilterCase{"FragmentLongerThanName", [](C& c) { c.nameFilter = "XABCY-1270"; }, false},
        FilterCase{"NameTestedLast",
                   [](C& c) {
                       c.nameFilter = "ABC";
                       c.maxHeight = 1;
                   },
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordMatches, ModuleThatCannotBeDerivedNeverMatches) {
    TemRecord r = HandMadeModule();
    r.derivable = false;
    EXPECT_FALSE(RecordMatches(r, kThot, SearchCriteria{}));
}

TEST(RecordMatches, CyrillicNamesCompareByExactBytes) {
    TemRecord r = HandMadeModule();
    std::strcpy(r.name.data(), "\xD2\xDD\xCC 127");  // ТЭМ 127
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
    SearchCriteria criteria;
    criteria.requiredQ = 30.2;
    criteria.requiredDT = 29.6;
    criteria.supplyVoltage = 13.4;
    criteria.supplyCurrent = 6.1;
    GetParam().set(criteria);
    EXPECT_EQ(RecordMatches(module_, kThot, criteria), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurveTestTest,
    ::testing::Values(
        FilterCase{"Dt29_6IsComparedAs30", [](C&) {}, true},
        FilterCase{"Dt30_4IsComparedAs30", [](C& c) { c.requiredDT = 30.4; }, true},
        FilterCase{"Dt30_5IsComparedAs31", [](C& c) { c.requiredDT = 30.5; }, false},
        FilterCase{"Dt29_4IsComparedAs29",
                   [](C& c) {
                       c.requiredQ = 31.2;
                       c.requiredDT = 29.4;
                   },
                   true},
        FilterCase{"QATenthAboveTheCurveFails", [](C& c) { c.requiredQ = 30.3; }, false},
        FilterCase{"QRoundedToATenth", [](C& c) { c.requiredQ = 30.24; }, true},
        FilterCase{"VoltageBelowTheCurveFails", [](C& c) { c.supplyVoltage = 13.3; }, false},
        FilterCase{"VoltageRoundedToATenth", [](C& c) { c.supplyVoltage = 13.36; }, true},
        FilterCase{"VoltageAboveUmaxFails", [](C& c) { c.supplyVoltage = 14.3; }, false},
        FilterCase{"SupplyCurrentBelowImaxFails", [](C& c) { c.supplyCurrent = 6.0; }, false},
        FilterCase{"SupplyCurrentRoundedToATenth", [](C& c) { c.supplyCurrent = 6.06; }, true},
        FilterCase{"DtBeyondTheHeatCurveFails", [](C& c) { c.requiredDT = 68; }, false},
        FilterCase{"NegativeQCountsForTheCurveTest",
                   [](C& c) {
                       c.requiredQ = -5;
                       c.requiredDT = 67.6;
                   },
                   false},
        FilterCase{"ResistanceModeIgnoresTheVoltageCurve",
                   [](C& c) {
                       c.electricalMode = C::kResistanceMode;
                       c.supplyVoltage = 13.3;
                       c.requiredResistance = 2.1;
                   },
                   true}),
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
    r.acResistance = 2.0;
    SearchCriteria criteria;
    criteria.electricalMode = C::kResistanceMode;
    criteria.tolerancePercent = 5;
    criteria.requiredQ = 30.2;
    criteria.requiredDT = 30;
    criteria.requiredResistance = GetParam().resistance;
    EXPECT_EQ(RecordMatches(r, kThot, criteria), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResistanceBandTest,
    ::testing::Values(BandCase{"LowEnd", 1.9, true}, BandCase{"Below", 1.95, true},
                      BandCase{"Above", 2.05, true}, BandCase{"HighEnd", 2.1, true},
                      BandCase{"TooLow", 1.8, false}, BandCase{"JustTooLow", 1.89, false},
                      BandCase{"JustTooHigh", 2.11, false}, BandCase{"TooHigh", 2.2, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A module good enough for its heat curve to reach the full 80 K.
TEST(RecordMatches, DtOf81OrMoreNeverPassesTheCurveTest) {
    TemRecord r = test::WorkedExampleModule();
    r.seebeckCoefficient = 0.0003;
    r.thermalConductivity = 1.0;
    ASSERT_TRUE(DeriveRatedValues(r, kThot));
    ASSERT_GT(-r.dtMax, 81);
    SearchCriteria criteria;
    criteria.electricalMode = C::kResistanceMode;
    criteria.tolerancePercent = 20;
    criteria.requiredResistance = r.acResistance;
    criteria.requiredQ = 0.1;
    criteria.requiredDT = 80.4;
    EXPECT_TRUE(RecordMatches(r, kThot, criteria));
    criteria.requiredDT = 80.5;
    EXPECT_FALSE(RecordMatches(r, kThot, criteria));
}

}  // namespace
}  // namespace vantiq
