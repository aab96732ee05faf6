#include "render/pages/page_painter.h"

#include <gtest/gtest.h>

#include "core/advisor/operating_point.h"
#include "core/model/rated_values.h"
#include "page_probe.h"
#include "render/graphs/graph_fonts.h"
#include "render/pages/graphs_page.h"
#include "render/pages/header_picture.h"
#include "render/pages/print_layout.h"
#include "test_support.h"

namespace vantiq {
namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 1700;
const QColor kFrame(140, 140, 170);
const QColor kUnpainted(1, 2, 3);

class PagePainterTest : public testing::Test {
protected:
    static QImage BlankPage() {
        QImage page(kWidth, kHeight, QImage::Format_RGB32);
        page.fill(Qt::white);
        return page;
    }

    static TemRecord Module() {
        TemRecord record = test::WorkedExampleModule("VQ-127-1.4-2.00");
        DeriveRatedValues(record, 298.0);
        return record;
    }

    static QImage GraphsPage() {
        QImage page = BlankPage();
        page.fill(kUnpainted);  // the page must paint its own white ground
        QPainter painter(&page);
        // A 4 × 5.7 inch page at 300 dpi.
        PrintGraphsPage(painter, kWidth, kHeight, Module(), 298.0, ColorSettings{}, 300);
        return page;
    }
};

TEST_F(PagePainterTest, StripIsARoundedBandWithWhiteTextInItsLowerPart) {
    QImage page = BlankPage();
    QPainter painter(&page);
    DrawDatasheetStrip(painter, kWidth, kHeight);
    painter.end();
    const QRect strip = LayOutStrip(kWidth, kHeight).strip;  // x 1164…1199, y 85…1614
    EXPECT_EQ(page.pixelColor(1180, 200), kFrame);
    EXPECT_EQ(page.pixelColor(1180, 84), QColor(Qt::white)) << "above the strip";
    EXPECT_EQ(page.pixelColor(1163, 800), QColor(Qt::white)) << "left of the strip";
    EXPECT_NE(page.pixelColor(strip.left(), strip.top()), kFrame) << "the corner is rounded";
    // The text runs up from y = 1581 across x 1172…1189: white on the band there,
    // none in the band's upper half.
    EXPECT_GT(test::CountPixels(page, QRect(1172, 1350, 18, 232), Qt::white), 300);
    EXPECT_EQ(test::CountPixels(page, QRect(1165, 100, 34, 700), Qt::white), 0);
}

TEST_F(PagePainterTest, StripLeavesThePainterAsItFoundIt) {
    QImage page = BlankPage();
    QPainter painter(&page);
    const QPen pen(Qt::green, 3);
    const QBrush brush(Qt::yellow);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    painter.translate(5, 7);
    const auto hints = painter.renderHints();
    DrawDatasheetStrip(painter, kWidth, kHeight);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), brush);
    EXPECT_EQ(painter.font(), font);
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(5, 7));
    EXPECT_EQ(painter.renderHints(), hints);
}

TEST_F(PagePainterTest, DatasheetPictureFillsThePageUpToTheStrip) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(0, 160, 0));
    QImage page = BlankPage();
    QPainter painter(&page);
    PrintDatasheetPage(painter, kWidth, kHeight, picture);
    painter.end();
    const QColor green(0, 160, 0);
    EXPECT_EQ(page.pixelColor(0, 0), green);
    EXPECT_EQ(page.pixelColor(1163, 1699), green) << "stretched to x = 0.97 W and the full height";
    EXPECT_EQ(page.pixelColor(1180, 1650), QColor(Qt::white)) << "below the strip";
    EXPECT_EQ(page.pixelColor(1180, 200), kFrame);
}

TEST_F(PagePainterTest, DatasheetWithoutPictureCarriesOnlyTheStrip) {
    QImage page = BlankPage();
    QPainter painter(&page);
    PrintDatasheetPage(painter, kWidth, kHeight, QImage());
    painter.end();
    EXPECT_EQ(test::CountPixels(page, QRect(0, 0, 1164, kHeight), Qt::white), 1164 * kHeight);
    EXPECT_EQ(page.pixelColor(1180, 200), kFrame);
}

TEST_F(PagePainterTest, GraphsPageRulesFrameTheTable) {
    const QImage page = GraphsPage();
    const TableRules rules = LayOutGraphsPage(kWidth, kHeight).rules;
    for (int y : rules.rowY) {
        EXPECT_EQ(
            test::CountPixels(page, QRect(rules.left, y, rules.right - rules.left, 1), kFrame),
            rules.right - rules.left)
            << "rule at y = " << y;
    }
    for (int x : rules.columnX) {
        EXPECT_EQ(test::CountPixels(page, QRect(x, rules.top, 1, rules.bottom - rules.top), kFrame),
                  rules.bottom - rules.top)
            << "rule at x = " << x;
    }
    EXPECT_EQ(test::CountPixels(page, QRect(0, 0, kWidth, kHeight), kUnpainted), 0);
}

TEST_F(PagePainterTest, GraphsPageTextsStartAtTheirPositions) {
    const QImage page = GraphsPage();
    const GraphsPageLayout layout = LayOutGraphsPage(kWidth, kHeight);
    const auto inkIn = [&](QRect area) {
        return area.width() * area.height() - test::CountPixels(page, area, Qt::white, 40);
    };
    // Title at (60, 51), 36 pixels high: ink right of its origin, none left of it.
    EXPECT_GT(inkIn(QRect(60, 51, 400, 36)), 500);
    EXPECT_EQ(inkIn(QRect(0, 51, 58, 36)), 0);
    for (int y : layout.rowY) {
        EXPECT_GT(inkIn(QRect(layout.labelX, y, 200, 24)), 100) << "label at y = " << y;
        EXPECT_GT(inkIn(QRect(layout.valueX, y, 40, 24)), 30) << "value at y = " << y;
        EXPECT_EQ(inkIn(QRect(layout.valueX - 40, y + 2, 38, 20)), 0) << "row y = " << y;
    }
}

TEST_F(PagePainterTest, GraphsPageCarriesTheHeaderPictureInItsRectangle) {
    const QImage page = GraphsPage();
    const QRect area = LayOutGraphsPage(kWidth, kHeight).headerPicture;  // 780, 25, 168 × 102
    // The picture's N legs are blue, its P legs red; neither colour is used
    // elsewhere in the page's top band.
    EXPECT_GT(test::CountPixels(page, area, QColor(70, 110, 190), 12), 20);
    EXPECT_GT(test::CountPixels(page, area, QColor(196, 82, 70), 12), 20);
    const QRect band(0, 0, kWidth, area.bottom() + 40);
    EXPECT_EQ(test::CountPixels(page, band, QColor(70, 110, 190), 12),
              test::CountPixels(page, area, QColor(70, 110, 190), 12));
}

TEST_F(PagePainterTest, GraphsPageDrawsAGraphInEachCell) {
    const QImage page = GraphsPage();
    for (const Placement& cell : LayOutGraphsPage(kWidth, kHeight).graphCells) {
        SCOPED_TRACE(testing::Message() << "cell at " << cell.left << ", " << cell.top);
        const QRect area(cell.left, cell.top, cell.Width(), cell.Height());
        // The plot's ground fades to light blue, and every graph has a red
        // curve: graph 1 its only one, the others the curve at Imax.
        EXPECT_GT(test::CountPixels(page, area.adjusted(0, area.height() / 2, 0, 0),
                                    QColor(210, 210, 255), 8),
                  area.width() * 10);
        EXPECT_GT(test::CountPixels(page, area, QColor(255, 0, 0), 30), 50);
    }
    EXPECT_EQ(test::CountPixels(page, QRect(0, 510, 120, 1020), Qt::white), 120 * 1020)
        << "nothing left of the cells";
}

// On paper the graphs' type must stay readable: at least 6 pt whatever the
// printer's resolution; and the empty band over the graphs carries the
// legend of the five currents and of the operating point.
TEST_F(PagePainterTest, GraphsPageTypeIsReadableAtAnyResolutionAndTheLegendSitsOverTheGraphs) {
    for (const double dpi : {72.0, 150.0, 300.0, 600.0, 1200.0, 2400.0}) {
        const GraphFonts fonts(PrintGraphStyle(dpi).fontHeight);
        for (const QFont& font : {fonts.label, fonts.caption}) {
            EXPECT_GE(font.pixelSize() * 72.0 / dpi, 6.0) << dpi;
        }
    }
    constexpr double kDpi = 150.0;  // A4's printable area at that resolution
    const int width = static_cast<int>(7.8 * kDpi);
    const int height = static_cast<int>(11.2 * kDpi);
    QImage page(width, height, QImage::Format_RGB32);
    const TemRecord record = Module();
    const auto point = SetPointAt(record, 0.3 * record.rated.qmax, 1, Wiring::Series, 278.0, 298.0);
    ASSERT_TRUE(point);
    QPainter painter(&page);
    PrintGraphsPage(painter, width, height, record, 298.0, ColorSettings{}, kDpi, &*point);
    painter.end();
    const QRect band = LayOutGraphsPage(width, height).legendBand;
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_GT(test::CountPixels(page, band, ColorSettings{}.ForCurve(k), 30), 20) << k;
    }
    EXPECT_GT(test::CountPixels(page, band, QColor(160, 0, 160), 30), 10) << "the point's entry";
    EXPECT_GT(test::CountPixels(page, band, Qt::black, 60), 200) << "the currents' texts";
}

// A stack's page overlays the bottom stage at its own point: every family
// graph marks both stages' points, lines beside the table state the
// bottom's, and the legend names both stages.
TEST_F(PagePainterTest, AModuleAlongsideIsMarkedAtItsOwnPoint) {
    constexpr double kDpi = 150.0;
    const int width = static_cast<int>(7.8 * kDpi);
    const int height = static_cast<int>(11.2 * kDpi);
    const TemRecord record = Module();
    const auto top = SetPointAt(record, 0.2 * record.rated.qmax, 1, Wiring::Series, 263.0, 283.0);
    const auto bottom =
        SetPointAt(record, 0.5 * record.rated.qmax, 1, Wiring::Series, 283.0, 298.0);
    ASSERT_TRUE(top && bottom);
    const PointedModule alongside[] = {{record, *bottom}};
    const auto draw = [&](std::span<const PointedModule> others) {
        QImage page(width, height, QImage::Format_RGB32);
        QPainter painter(&page);
        PrintGraphsPage(painter, width, height, record, 298.0, ColorSettings{}, kDpi, &*top,
                        others);
        return page;
    };
    const QImage alone = draw({});
    const QImage stacked = draw(alongside);
    const GraphsPageLayout page = LayOutGraphsPage(width, height);
    for (std::size_t cell = 1; cell < 4; ++cell) {
        const Placement& p = page.graphCells[cell];
        const QRect area(p.left, p.top, p.Width(), p.Height());
        EXPECT_GT(test::CountPixels(stacked, area, QColor(160, 0, 160), 30),
                  test::CountPixels(alone, area, QColor(160, 0, 160), 30) + 50)
            << cell;
    }
    const QRect lines(page.alongsideLines, QSize(width / 3, height / 20));
    EXPECT_GT(test::CountPixels(stacked, lines, Qt::black, 60),
              test::CountPixels(alone, lines, Qt::black, 60) + 100);
    // The legend names each stage beside its line style and the second
    // point's dashed curve beside its current.
    EXPECT_GT(test::CountPixels(stacked, page.legendBand, Qt::black, 60),
              test::CountPixels(alone, page.legendBand, Qt::black, 60) + 300);
    EXPECT_GT(test::CountPixels(stacked, page.legendBand, QColor(160, 0, 160), 30),
              test::CountPixels(alone, page.legendBand, QColor(160, 0, 160), 30) + 10);
}

TEST_F(PagePainterTest, HeaderPictureHasItsResourceSize) {
    const QImage picture = DrawHeaderPicture();
    EXPECT_EQ(picture.size(), QSize(1207, 818));
    EXPECT_FALSE(picture.hasAlphaChannel());
}

}  // namespace
}  // namespace vantiq
