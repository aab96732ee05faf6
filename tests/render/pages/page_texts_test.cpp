#include "render/pages/page_texts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace vantiq {
namespace {

TemRecord Module(const char* name) {
    TemRecord record;
    std::strncpy(record.file.name.data(), name, record.file.name.size() - 1);
    record.rated.imax = 6.12;
    record.rated.umax = 14.96;
    record.rated.dtMax = -68.46;
    record.rated.qmax = 45.04;
    record.rated.acResistance = 1.236;
    return record;
}

TEST(PageTexts, OperatingPointLineStatesTheSetAndItsHotSide) {
    OperatingPoint p;
    p.modules = 2;
    p.current = 1.526;
    p.voltage = 10.664;
    p.power = 32.55;
    p.cop = 0.6144;
    p.thot = 307.43;
    EXPECT_EQ(OperatingPointLine(p),
              QStringLiteral("Operating point: 2 × 1.53 A, 10.66 V, 32.5 W, COP 0.61, Th 34.4 °C"));
}

// A stack's top stage runs with its hot side on the bottom stage's cold
// side; a point under a heat sink runs hotter than the catalogue's 25 °C.
TEST(PageTexts, HotSideLineNamesEachModulesOwnHotSideAndTheRatedValuesOne) {
    const PageHotSide top{QStringLiteral("VQ-A"), 259.3};
    const PageHotSide bottom{QStringLiteral("VQ-B"), 298.0};
    const PageHotSide sunk{QStringLiteral("VQ-A"), 314.4};
    const std::vector<PageHotSide> stack = {top, bottom};
    EXPECT_EQ(HotSideLine(stack, 298.0),
              QStringLiteral("Hot side: VQ-A · Th = -13.7 °C, VQ-B · Th = 25 °C; "
                             "rated values at Th = 25 °C"));
    EXPECT_EQ(HotSideLine(std::span(&sunk, 1), 298.0),
              QStringLiteral("Hot side: Th = 41.4 °C; rated values at Th = 25 °C"));
    EXPECT_EQ(HotSideLine(std::span(&bottom, 1), 298.0), QStringLiteral("Hot side: Th = 25 °C"));
    EXPECT_EQ(HotSideLine({}, 353.0), QStringLiteral("Hot side: Th = 80 °C"));
}

TEST(PageTexts, TableRowsCarryOneDecimalAndTwoForTheResistance) {
    const auto rows = PerformanceRows(Module("X"));
    const std::array<std::pair<QString, QString>, 5> expected = {{
        {QStringLiteral("Imax, Ampers"), QStringLiteral("6.1")},
        {QStringLiteral("Vmax, Volts"), QStringLiteral("15.0")},
        {QStringLiteral("dTmax, °C"), QStringLiteral("68.5")},
        {QStringLiteral("Qmax, Watts"), QStringLiteral("45.0")},
        {QStringLiteral("AC resistance, ohms"), QStringLiteral("1.24")},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].label, expected[i].first);
        EXPECT_EQ(rows[i].value, expected[i].second);
    }
}

TEST(PageTexts, NamesAreDecodedFromWindows1251) {
    const TemRecord record = Module("\xD2\xDD\xCC 127-1.4-2.00");
    EXPECT_EQ(GraphsPageTitle(record), QStringLiteral("Thermoelectric module ТЭМ 127-1.4-2.00"));
    EXPECT_EQ(DatasheetJobName(record),
              QStringLiteral("Vantiq document(datasheet): ТЭМ 127-1.4-2.00"));
    EXPECT_EQ(GraphsJobName(record),
              QStringLiteral("Vantiq document(performance graphs): ТЭМ 127-1.4-2.00"));
}

TEST(PageTexts, PlaceholdersInANameStayLiteral) {
    EXPECT_EQ(GraphsPageTitle(Module("A%1%s")), QStringLiteral("Thermoelectric module A%1%s"));
}

}  // namespace
}  // namespace vantiq
