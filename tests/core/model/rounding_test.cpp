#include "core/model/rounding.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantiq {
namespace {

struct RoundingCase {
    const char* name;
    double value;
    double step;
    double expected;
};

class RoundToStepTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundToStepTest, Rounds) {
    EXPECT_DOUBLE_EQ(RoundToStep(GetParam().value, GetParam().step), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundToStepTest,
                         ::testing::Values(RoundingCase{"HalfUpAwayFromZero", 2.5, 1, 3},
                                           RoundingCase{"HalfDownAwayFromZero", -2.5, 1, -3},
                                           RoundingCase{"BelowHalf", 2.4, 1, 2},
                                           RoundingCase{"RequiredDtOf29_6IsThirty", 29.6, 1, 30},
                                           RoundingCase{"TenthOfAWatt", 12.34, 0.1, 12.3},
                                           RoundingCase{"ZeroStaysZero", 0.0, 1, 0},
                                           RoundingCase{"PositiveWithZeroStepIsZero", 3.0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class RoundOutwardTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundOutwardTest, LeavesHalfAStepOfMargin) {
    EXPECT_DOUBLE_EQ(RoundOutward(GetParam().value, GetParam().step), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundOutwardTest,
    ::testing::Values(
        RoundingCase{"WholeValueGetsAFullStep", 4.0, 1, 5}, RoundingCase{"Positive", 3.2, 1, 4},
        RoundingCase{"Negative", -3.2, 1, -4}, RoundingCase{"ZeroGoesDown", 0.0, 1, -1},
        RoundingCase{"Minus37To50", -37, 10, -50}, RoundingCase{"Minus45To50", -45, 10, -50},
        RoundingCase{"Minus45_1To60", -45.1, 10, -60}, RoundingCase{"Minus70To80", -70, 10, -80},
        RoundingCase{"Hundredths", 0.37, 0.01, 0.38}, RoundingCase{"Units", 12.3, 1, 13},
        RoundingCase{"Tens", 150, 10, 160}, RoundingCase{"Tenths", 5.0, 0.1, 5.1},
        RoundingCase{"PositiveWithZeroStepIsZero", 3.0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArrayExtremes, FirstOfEqualValuesWinsAndSingleElementsWork) {
    const std::vector<double> values = {3, -1, 7, 7, -1};
    EXPECT_EQ(ArrayMax(values), 7);
    EXPECT_EQ(ArrayMin(values), -1);
    EXPECT_EQ(ArrayMax(std::vector<double>{-2}), -2);
}

}  // namespace
}  // namespace vantiq
