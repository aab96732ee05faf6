#include "core/selection/number_input.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace vantiq {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    double expected;
};

class ReadNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsAsAtofDoes) {
    EXPECT_EQ(ReadNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumberTest,
    ::testing::Values(
        ReadCase{"Empty", "", 0}, ReadCase{"Plain", "12.5", 12.5},
        ReadCase{"LeadingBlanks", " \t\n12.5", 12.5}, ReadCase{"PlusSign", "+3", 3},
        ReadCase{"MinusSign", "-2.5", -2.5}, ReadCase{"Exponent", "1e2", 100},
        ReadCase{"NegativeExponent", "5E-1", 0.5},
        ReadCase{"ExponentWithoutDigitsIsLeftOut", "7e", 7},
        ReadCase{"SignedExponentWithoutDigits", "7e+x", 7}, ReadCase{"LeadingPoint", ".5", 0.5},
        ReadCase{"TrailingPoint", "5.", 5}, ReadCase{"PointAlone", ".", 0},
        ReadCase{"SignAlone", "-", 0}, ReadCase{"BlankAfterSign", "- 5", 0},
        ReadCase{"Letters", "abc", 0}, ReadCase{"StopsAtLetters", "12abc", 12},
        ReadCase{"CommaIsNoDecimalSeparator", "1,5", 1},
        ReadCase{"StopsAtSecondPoint", "12.5.3", 12.5}, ReadCase{"TrailingBlanks", "4.25  ", 4.25},
        ReadCase{"HexIsNotRead", "0x10", 0}, ReadCase{"NanIsNoNumber", "nan", 0},
        ReadCase{"InfinityIsNoNumber", "inf", 0},
        ReadCase{"SignedInfinityIsNoNumber", "-infinity", 0},
        ReadCase{"OverflowIsNoNumber", "1e999", 0},
        ReadCase{"NegativeOverflowIsNoNumber", "-1e999", 0},
        ReadCase{"UnderflowIsZero", "1e-999", 0},
        ReadCase{"ManyDigitsRoundCorrectly", "0.1000000000000000055511151231257827", 0.1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFixed, WritesOneDecimalAsPrintfDoes) {
    for (double value :
         {0.0, -0.0, 1.234, 12.25, 0.25, 0.35, 0.05, -5.0, 1234.56, 99.95, 1e20, -0.04}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%3.1f", value);
        EXPECT_EQ(FormatFixed(value, 1), expected) << value;
    }
    EXPECT_EQ(FormatFixed(12.25, 1), "12.2") << "an exact tie goes to the even digit";
}

TEST(FormatInput, OneDecimalOnlyWhenItReadsBackAsTheSameNumber) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "0.0"},     {10.0, "10.0"},
        {0.1, "0.1"},     {-5.0, "-5.0"},
        {0.21, "0.21"},   {40.25, "40.25"},
        {12.25, "12.25"}, {1.234, "1.234"},
        {1e-7, "1e-07"},  {1e20, "100000000000000000000.0"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(FormatInput(value), expected) << value;
    }
    for (double value : {0.05, 99.95, 1234.56, 0.1 + 0.2, 1.0 / 3.0, 6.02e23, -0.04}) {
        EXPECT_EQ(ReadNumber(FormatInput(value)), value) << value;
    }
}

TEST(ReadNumber, TheValueWrittenBackIsTheValueTyped) {
    EXPECT_EQ(ReadNumber("1.234"), 1.234);
    EXPECT_EQ(ReadNumber(FormatInput(ReadNumber("1.234"))), 1.234);
}

}  // namespace
}  // namespace vantiq
