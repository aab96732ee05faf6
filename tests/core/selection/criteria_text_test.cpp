#include "core/selection/criteria_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vantiq {
namespace {

// GCC 12 at -O3 takes the string members of the designated initialisers
// below for uninitialised; they are not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

const std::string kFirst = "Your search creteria is:\r\n";

struct TextCase {
    const char* name;
    SearchCriteria criteria;
    std::string expected;
};

class CriteriaTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CriteriaTextTest, ListsWhatWasEntered) {
    EXPECT_EQ(CriteriaText(GetParam().criteria), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CriteriaTextTest,
    ::testing::Values(TextCase{"NothingSet", {}, kFirst},
                      TextCase{"HeatLoadAndDt",
                               {.requiredQ = 12.5, .requiredDT = 30},
                               kFirst + "\"Q >= 12.50 [W]\"\r\n\"dT >= 30.00 [\xB0"
                                        "C]\"\r\n"},
                      TextCase{
                          "NegativeQIsSet", {.requiredQ = -5}, kFirst + "\"Q >= -5.00 [W]\"\r\n"},
                      TextCase{"SupplyNeedsBothValues", {.supplyVoltage = 12}, kFirst},
                      TextCase{"SupplyAndResistanceWhateverTheMode",
                               {.electricalMode = ElectricalMode::Resistance,
                                .tolerancePercent = 10,
                                .supplyVoltage = 12,
                                .supplyCurrent = 6.125,
                                .requiredResistance = 1.2345},
                               kFirst + "\"Unominal >= 12.00 [V]\"\r\n\"Imax >= 6.12 [A]\"\r\n"
                                        "\"R = 1.234 [Ohms]\xB1 10%\"\r\n"},
                      TextCase{"DimensionsAndName",
                               {.nameFilter = "\xD2\xDD\xCC 127",
                                .maxWidth = 40,
                                .maxLength = 40.25,
                                .maxHeight = 3.86},
                               kFirst + "\"Width <= 40.0 [mm]\"\r\n\"Length <= 40.2 [mm]\"\r\n"
                                        "\"Height <= 3.9 [mm]\"\r\n"
                                        "\"TEM name search string = \xD2\xDD\xCC 127\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CriteriaTextUtf8, ShowsRealDegreeAndPlusMinusSigns) {
    const SearchCriteria criteria = {.nameFilter = "\xD2\xDD\xCC",
                                     .tolerancePercent = 5,
                                     .requiredDT = 40,
                                     .requiredResistance = 2};
    EXPECT_EQ(CriteriaTextUtf8(criteria), kFirst +
                                              "\"dT >= 40.00 [°C]\"\r\n"
                                              "\"R = 2.000 [Ohms]± 5%\"\r\n"
                                              "\"TEM name search string = ТЭМ\"\r\n");
}

}  // namespace
}  // namespace vantiq
