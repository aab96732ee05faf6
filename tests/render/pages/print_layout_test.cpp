#include "render/pages/print_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace vantiq {
namespace {

using Edges = std::array<int, 4>;  // left, top, right, bottom

Edges EdgesOf(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// A 600 dpi printable area of 4800 × 6800 pixels, the page the layout was drawn for.
TEST(PrintLayout, GraphsPageTextsOnThe600DpiArea) {
    const GraphsPageLayout page = LayOutGraphsPage(4800, 6800);
    EXPECT_EQ(page.title, QPoint(240, 204));
    EXPECT_EQ(page.titleFont.height, 144);
    EXPECT_EQ(page.titleFont.width, 72);
    EXPECT_EQ(page.titleMaxWidth, 3120 - 240 - 48);
    // The hot side right under the title, ending before the heading below.
    EXPECT_EQ(page.hotSideLine, QPoint(240, 348));
    EXPECT_EQ(page.hotSideFont.height, 52);
    EXPECT_EQ(page.dataHeading, QPoint(480, 408));
    EXPECT_EQ(page.graphsHeading, QPoint(480, 1360));
    EXPECT_EQ(page.headingFont.height, 96);
    EXPECT_EQ(page.headingFont.width, 48);
    EXPECT_TRUE(page.headingFont.underline);
    EXPECT_FALSE(page.tableFont.underline);
    EXPECT_EQ(page.labelX, 480);
    EXPECT_EQ(page.valueX, 1920);
    EXPECT_EQ(page.rowY, (std::array<int, 5>{612, 748, 884, 1020, 1156}));
}

TEST(PrintLayout, TableRulesHeaderPictureAndCellsOnThe600DpiArea) {
    const GraphsPageLayout page = LayOutGraphsPage(4800, 6800);
    EXPECT_EQ(page.rules.rowY, (std::array<int, 6>{591, 727, 863, 999, 1135, 1271}));
    EXPECT_EQ(page.rules.left, 384);
    EXPECT_EQ(page.rules.right, 2256);
    EXPECT_EQ(page.rules.columnX, (std::array<int, 3>{384, 1680, 2256}));
    EXPECT_EQ(page.rules.top, 591);
    EXPECT_EQ(page.rules.bottom, 1271);
    EXPECT_EQ(page.rules.penWidth, 4);
    EXPECT_EQ(page.rules.color, QColor(140, 140, 170));
    EXPECT_EQ(page.headerPicture, QRect(3120, 102, 672, 408));
    EXPECT_EQ(page.graphCells,
              (GraphCells{Placement{480, 2040, 2400, 4080}, Placement{2400, 2040, 4320, 4080},
                          Placement{480, 4080, 2400, 6120}, Placement{2400, 4080, 4320, 6120}}));
}

TEST(PrintLayout, StripAndDatasheetPictureOnThe600DpiArea) {
    const StripLayout strip = LayOutStrip(4800, 6800);
    EXPECT_EQ(EdgesOf(strip.strip), (Edges{4656, 340, 4800, 6460}));
    EXPECT_EQ(strip.corner, 72);
    EXPECT_EQ(strip.color, QColor(140, 140, 170));
    EXPECT_EQ(strip.textOrigin, QPoint(4689, 6324));
    EXPECT_EQ(strip.font.height, 72);
    EXPECT_EQ(strip.font.width, 48);
    EXPECT_TRUE(strip.font.heavy);
    EXPECT_EQ(EdgesOf(DatasheetPictureRect(4800, 6800)), (Edges{0, 0, 4656, 6800}));
}

// Whatever the printer, the cells tile their block without gaps or overlaps,
// the middle column edge is the page's integer half, and the strip ends at
// the page's right edge.
TEST(PrintLayout, CellsShareBordersOnOddSizes) {
    for (const QSize size : {QSize(4961, 7016), QSize(501, 401), QSize(2479, 3508)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        const auto cells = LayOutGraphsPage(size.width(), size.height()).graphCells;
        EXPECT_EQ(cells[0].right, size.width() / 2);
        EXPECT_EQ(cells[0].right, cells[1].left);
        EXPECT_EQ(cells[2].right, cells[3].left);
        EXPECT_EQ(cells[0].bottom, cells[2].top);
        EXPECT_EQ(cells[1].bottom, cells[3].top);
        EXPECT_EQ(EdgesOf(LayOutStrip(size.width(), size.height()).strip)[2], size.width());
    }
}

}  // namespace
}  // namespace vantiq
