#include "core/report/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantiq {
namespace {

TEST(ParseStrictNumber, AcceptsOnlyWholeFiniteNumbers) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"6", 6.0},
        {"+6.5", 6.5},
        {"-40", -40.0},
        {"1e308", 1e308},
        {"-1.7976931348623157e308", -1.7976931348623157e308},
        {"4.9e-324", 4.9e-324},
        {".5", 0.5},
        {"1e309", std::nullopt},   // beyond double
        {"1e-400", std::nullopt},  // below the smallest double
        {"nan", std::nullopt},
        {"NaN", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"infinity", std::nullopt},
        {"", std::nullopt},
        {" 6", std::nullopt},
        {"6 ", std::nullopt},
        {"6,5", std::nullopt},
        {"0x10", std::nullopt},
        {"+-6", std::nullopt},
        {"++6", std::nullopt},
        {"+", std::nullopt},
        {"six", std::nullopt},
        {"6\xB0", std::nullopt},  // a degree sign in Windows-1251
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseStrictNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::signbit(*ParseStrictNumber("-0")));
}

}  // namespace
}  // namespace vantiq
