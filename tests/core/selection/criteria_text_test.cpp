#include "selection/criteria_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace vantiq {
namespace {

const std::string kFirst = "Your search creteria is:\r\n";

struct TextCase {
    const char* name;
    std::function<void(SearchCriteria&)> set;
    std::string expected;
};

class CriteriaTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CriteriaTextTest, ListsWhatWasEntered) {
    SearchCriteria criteria;
    GetParam().set(criteria);
    EXPECT_EQ(CriteriaText(criteria), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CriteriaTextTest,
    ::testing::Values(TextCase{"NothingSet", [](SearchCriteria&) {}, kFirst},
                      TextCase{"HeatLoadAndDt",
                               [](SearchCriteria& c) {
                                   c.requiredQ = 12.5;
                                   c.requiredDT = 30;
                               },
                               kFirst + "\"Q >= 12.50 [W]\"\r\n\"dT >= 30.00 [\xB0"
                                        "C]\"\r\n"},
                      TextCase{"NegativeQIsSet", [](SearchCriteria& c) { c.requiredQ = -5; },
                               kFirst + "\"Q >= -5.00 [W]\"\r\n"},
                      TextCase{"SupplyNeedsBothValues",
                               [](SearchCriteria& c) { c.supplyVoltage = 12; }, kFirst},
                      TextCase{"SupplyAndResistanceWhateverTheMode",
                               [](SearchCriteria& c) {
                                   c.electricalMode = SearchCriteria::kResistanceMode;
                                   c.supplyVoltage = 12;
                                   c.supplyCurrent = 6.125;
                                   c.requiredResistance = 1.2345;
                                   c.tolerancePercent = 10;
                               },
                               kFirst + "\"Unominal >= 12.00 [V]\"\r\n\"Imax >= 6.12 [A]\"\r\n"
                                        "\"R = 1.234 [Ohms]\xB1 10%\"\r\n"},
                      TextCase{"DimensionsAndName",
                               [](SearchCriteria& c) {
                                   c.maxWidth = 40;
                                   c.maxLength = 40.25;
                                   c.maxHeight = 3.86;
                                   c.nameFilter = "\xD2\xDD\xCC 127";
                               },
                               kFirst + "\"Width <= 40.0 [mm]\"\r\n\"Length <= 40.2 [mm]\"\r\n"
                                        "\"Height <= 3.9 [mm]\"\r\n"
                                        "\"TEM name search string = \xD2\xDD\xCC 127\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CriteriaTextUtf8, ShowsRealDegreeAndPlusMinusSigns) {
    SearchCriteria criteria;
    criteria.requiredDT = 40;
    criteria.requiredResistance = 2;
    criteria.tolerancePercent = 5;
    criteria.nameFilter = "\xD2\xDD\xCC";
    EXPECT_EQ(CriteriaTextUtf8(criteria), kFirst +
                                              "\"dT >= 40.00 [°C]\"\r\n"
                                              "\"R = 2.000 [Ohms]± 5%\"\r\n"
                                              "\"TEM name search string = ТЭМ\"\r\n");
}

}  // namespace
}  // namespace vantiq
