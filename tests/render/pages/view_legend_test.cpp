#include "render/pages/view_legend.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "page_probe.h"

namespace vantiq {
namespace {

TEST(ViewLegend, NamesEachCurveByItsShareOfImaxAndItsCurrent) {
    EXPECT_EQ(CurrentLegendText(4, 6.12), QStringLiteral("1.0 × Imax = 6.12 A"));
    EXPECT_EQ(CurrentLegendText(3, 6.12), QStringLiteral("0.8 × Imax = 4.90 A"));
    EXPECT_EQ(CurrentLegendText(0, 6.12), QStringLiteral("0.2 × Imax = 1.22 A"));
    // Overlaid modules have currents of their own: the legend names the share only.
    EXPECT_EQ(CurrentLegendText(2, std::nullopt), QStringLiteral("0.6 × Imax"));
}

TEST(ViewLegend, HeaderNamesTheModulesAndTheHotSideInCelsius) {
    const LegendModule one[] = {{QStringLiteral("ТЭМ 127-1.4-2.00"), 6.12, {}}};
    EXPECT_EQ(GraphHeaderText(one, 298.0), QStringLiteral("ТЭМ 127-1.4-2.00 · Th = 25 °C"));
    const LegendModule two[] = {{QStringLiteral("A"), 1.0, {}}, {QStringLiteral("B"), 2.0, {}}};
    EXPECT_EQ(GraphHeaderText(two, 353.5), QStringLiteral("A, B · Th = 80.5 °C"));
    // The stages of a stack are drawn at hot sides of their own.
    const LegendModule stages[] = {{QStringLiteral("A"), 1.0, 268.0},
                                   {QStringLiteral("B"), 2.0, 298.0}};
    EXPECT_EQ(GraphHeaderText(stages, 268.0), QStringLiteral("A · Th = -5 °C, B · Th = 25 °C"));
}

class LegendBandTest : public testing::Test {
protected:
    static QImage Band(std::span<const LegendModule> modules, int width = 900) {
        QImage image(width, 120, QImage::Format_RGB32);
        image.fill(QColor(1, 2, 3));
        QPainter painter(&image);
        DrawLegendBand(painter, image.width(), modules, 298.0, ColorSettings{});
        return image;
    }

    const LegendModule modules_[3] = {{QStringLiteral("M1"), 6.12, {}},
                                      {QStringLiteral("M2"), 3.0, {}},
                                      {QStringLiteral("M3"), 8.5, {}}};
};

TEST_F(LegendBandTest, OneModuleShowsEveryCurveColourUnderTheHeaderWrappingWhereNarrow) {
    // 760 pixels is the view of the window at its first size: the row closes
    // up there, so its last entry is not cut at the edge; narrower, the
    // entries wrap onto more rows and the band grows to hold them.
    for (const int width : {900, 760, 300}) {
        const QImage band = Band(std::span(modules_, 1), width);
        const int height = LegendBandHeight(std::span(modules_, 1), width);
        EXPECT_EQ(height > LegendBandHeight(std::span(modules_, 1), 900), width == 300) << width;
        EXPECT_EQ(band.pixelColor(0, height - 1), QColor(140, 140, 170)) << "the rule";
        EXPECT_EQ(band.pixelColor(0, height), QColor(1, 2, 3)) << "nothing below the band";
        const QRect colourRows(0, 24, band.width(), height - 25);
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_GE(test::CountPixels(band, colourRows, ColorSettings{}.ForCurve(k)), 14)
                << width << " " << k;
        }
        const QRect edge(width - 4, colourRows.top(), 4, colourRows.height());
        EXPECT_EQ(test::CountPixels(band, edge, Qt::white), 4 * edge.height()) << width;
    }
}

TEST_F(LegendBandTest, SeveralModulesGetARowEachWithTheirLineStyle) {
    const QImage band = Band(modules_);
    const int row = LegendBandHeight(modules_, 900) - LegendBandHeight(std::span(modules_, 2), 900);
    const int first = LegendBandHeight(std::span(modules_, 1), 900) -
                      5;  // the band's margin and rule below the rows
    std::array<int, 3> ink{};
    for (int m = 0; m < 3; ++m) {
        // The swatch at the left of the module's row: solid, dashed, dotted.
        ink[m] = test::CountPixels(band, QRect(4, first + m * row, 24, row), Qt::black, 60);
    }
    EXPECT_GT(ink[0], ink[1]);
    EXPECT_GT(ink[1], ink[2]);
    EXPECT_GT(ink[2], 0);
}

}  // namespace
}  // namespace vantiq
