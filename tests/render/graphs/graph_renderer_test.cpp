#include "render/graphs/graph_renderer.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace vantiq {
namespace {

const QColor kUntouched(1, 2, 3);
const GraphCaptions kFamilyCaptions{QStringLiteral("Temperature difference dT, °K"),
                                    QStringLiteral("Qc, Watts")};
const Placement kCell{0, 0, 600, 400};  // the plot is 590 × 400 for a family

QImage Canvas() {
    QImage image(kCell.Width(), kCell.Height(), QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
}

// Five flat curves from -70 K to 0 K at 2, 4, 6, 8 and 10: the vertical
// limit is 11, so curve k lies on row ⌊400 − 360·2(k+1)/11⌋.
CurveFamily FlatFamily() {
    CurveFamily family;
    for (std::size_t k = 0; k < 5; ++k) {
        for (double x = -70.0; x <= 0.0; x += 10.0) {
            family.curves[k].points.x.push_back(x);
            family.curves[k].points.y.push_back(2.0 * (k + 1));
        }
    }
    return family;
}

// Where the family graph of kCell places its plot for FlatFamily (its
// limits -80 … 0 K and 0 … 11).
GraphLayout FlatLayout() {
    return FamilyGraphLayout(kCell.Width(), kCell.Height(), FamilyGraphAxes(-70.0, 10.0),
                             GraphLayoutText(kFamilyCaptions, {2, 12}));
}

QPoint FlatPoint(double x, double y) {
    return *FamilyGraphPoint(FlatLayout(), FamilyGraphAxes(-70.0, 10.0), x, y);
}

int FlatRow(std::size_t k) {
    return FlatPoint(-35.0, 2.0 * (k + 1)).y();
}

QImage DrawFamily(const CurveFamily& family, const ColorSettings& colors) {
    QImage image = Canvas();
    QPainter painter(&image);
    Graph().DrawFamilyGraph(kCell, painter, family, colors, kFamilyCaptions, {2, 12});
    return image;
}

bool IsGrey(QRgb pixel) {
    return pixel == QColor(165, 165, 165).rgb();
}

TEST(FamilyGraph, BackgroundIsWhiteInTheMarginsAndFadesToBlueInThePlot) {
    const QImage image = DrawFamily(FlatFamily(), ColorSettings());
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(1, 399), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(598, 40), QColor(Qt::white));  // the gradient's top row
    const QColor bottom = image.pixelColor(598, 399);
    EXPECT_NEAR(bottom.red(), 207, 1);
    EXPECT_NEAR(bottom.green(), 207, 1);
    EXPECT_EQ(bottom.blue(), 255);
}

TEST(FamilyGraph, GridIsDottedOneOnTwoOffBelowBlackTicks) {
    const QImage image = DrawFamily(FlatFamily(), ColorSettings());
    // The ticks of a vertical grid line run two pixels wide from the plot's
    // top, and its dots start where the tick ends.
    const GraphLayout layout = FlatLayout();
    const int x = layout.gridX[1];
    const int top = layout.plotTop + 1;
    EXPECT_EQ(image.pixelColor(x - 1, top), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(x, top), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(x + 1, top), QColor(Qt::black));
    for (int y = 300; y < 310; ++y) {
        EXPECT_EQ(IsGrey(image.pixel(x, y)), (y - layout.tickBottom) % 3 == 0) << "row " << y;
    }
    // A horizontal grid line has its tick at the left edge.
    const int y = layout.gridY[3];
    EXPECT_EQ(image.pixelColor(layout.plotLeft + 1, y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(layout.plotLeft + 1, y - 1), QColor(Qt::black));
    for (int px = 400; px < 410; ++px) {
        EXPECT_EQ(IsGrey(image.pixel(px, y)), (px - layout.tickRight) % 3 == 0) << "column " << px;
    }
}

TEST(FamilyGraph, CaptionBoxesAreFilledInTheirColour) {
    const QImage image = DrawFamily(FlatFamily(), ColorSettings());
    EXPECT_EQ(image.pixelColor(156, 10), QColor(140, 140, 170));  // top box from x = 153
    EXPECT_EQ(image.pixelColor(8, 152), QColor(140, 140, 170));   // side box from y = 148
}

TEST(FamilyGraph, DrawsEachCurveInItsColourWithoutJoiningThem) {
    ColorSettings colors;
    const QImage image = DrawFamily(FlatFamily(), colors);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(image.pixelColor(300, FlatRow(k)), colors.ForCurve(k)) << "curve " << k;
    }
    // A line from the end of one curve (right) to the start of the next (left)
    // would cross the middle between their rows.
    const int between = (FlatRow(0) + FlatRow(1)) / 2;
    for (int x = 100; x < 580; ++x) {
        const QRgb pixel = image.pixel(x, between);
        EXPECT_TRUE(pixel == image.pixel(599, between) || IsGrey(pixel)) << "column " << x;
    }
}

// A point at (-35 K, 5) over the flat family, its curve flat at 3: the
// circle sits where the point maps, and the curve is dashed, not solid.
TEST(FamilyGraph, MarksAnOperatingPointWithItsDashedCurve) {
    const QColor mark(160, 0, 160);
    GraphMark point{{{-70.0, -35.0, 0.0}, {3.0, 3.0, 3.0}}, -35.0, 5.0, QStringLiteral("5.0 W")};
    QImage image = Canvas();
    {
        QPainter painter(&image);
        Graph().DrawFamilyGraph(kCell, painter, FlatFamily(), ColorSettings(), kFamilyCaptions,
                                {2, 12}, &point);
    }
    const QPoint centre = FlatPoint(-35.0, 5.0);
    EXPECT_EQ(image.pixelColor(centre), mark);
    const int curveY = FlatPoint(-35.0, 3.0).y();
    int dashed = 0;
    for (int x = 100; x < 580; ++x) {
        dashed += image.pixelColor(x, curveY) == mark;
    }
    EXPECT_GT(dashed, 100);
    EXPECT_LT(dashed, 400) << "a dashed curve leaves gaps";
    EXPECT_EQ(image.pixelColor(300, FlatRow(0)), ColorSettings().ForCurve(0)) << "family kept";
}

TEST(FamilyGraph, LeavesTheRightBandToTheBackground) {
    const QImage image = DrawFamily(FlatFamily(), ColorSettings());
    // The curves end at the plot's right edge with a round cap of the pen's
    // half width.
    const int edge = FlatLayout().plotWidth;
    for (int y = 60; y < 400; ++y) {
        for (int x = edge + 2; x < 600; ++x) {
            ASSERT_EQ(image.pixel(x, y), image.pixel(599, y)) << x << "," << y;
        }
    }
}

TEST(FamilyGraph, AChangedColourShowsAtTheNextDrawing) {
    ColorSettings colors;
    const CurveFamily family = FlatFamily();
    EXPECT_EQ(DrawFamily(family, colors).pixelColor(300, FlatRow(2)), QColor(0, 0, 0));
    colors.color06 = 0x0000C000;
    EXPECT_EQ(DrawFamily(family, colors).pixelColor(300, FlatRow(2)), QColor(0, 192, 0));
}

TEST(FamilyGraph, AFamilyOfZerosStillGetsAScale) {
    CurveFamily family = FlatFamily();
    for (auto& curve : family.curves) {
        std::fill(curve.points.y.begin(), curve.points.y.end(), 0.0);
    }
    const QImage image = DrawFamily(family, ColorSettings());
    EXPECT_EQ(image.pixelColor(300, FlatLayout().plotHeight), ColorSettings().ForCurve(4));
}

// Current 0 … 10 A at -30 K (the limit is -40), except 0 K at 0 A and a
// positive value at 5.5 A, neither of which is drawn.
Curve FlatDeltaT() {
    Curve curve;
    for (double i = 0.0; i <= 10.0; i += 1.0) {
        curve.x.push_back(i);
        curve.y.push_back(i == 0.0 ? 0.0 : -30.0);
    }
    curve.x.insert(curve.x.begin() + 6, 5.5);
    curve.y.insert(curve.y.begin() + 6, 5.0);
    return curve;
}

TEST(CurveGraph, DrawsTheRedCurveWherePointsLieBelowZero) {
    QImage image = Canvas();
    QPainter painter(&image);
    Graph().DrawCurveGraph(kCell, painter, FlatDeltaT(), {}, {2, 12});
    const CurveAxes axes = CurveGraphAxes(10.0, -30.0);
    const GraphLayout layout =
        CurveGraphLayout(kCell.Width(), kCell.Height(), axes, GraphLayoutText({}, {2, 12}));
    const int row = CurveGraphPoint(layout, axes, 5.0, -30.0)->y();
    const QColor red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(400, row), red);
    // The largest current ends on the plot's right edge, inside the bitmap.
    EXPECT_EQ(image.pixelColor(layout.plotWidth - 1, row), red);
    EXPECT_NE(image.pixelColor(layout.plotWidth + 3, row), red);
    // The line passes 5.5 A undisturbed.
    const int x = CurveGraphPoint(layout, axes, 5.5, -30.0)->x();
    for (int y = 60; y < row - 2; ++y) {
        EXPECT_NE(image.pixelColor(x, y), red) << "row " << y;
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
}

TEST(CurveGraph, EmptyTablesAndTinyPlacementsLeaveTheTargetAlone) {
    QImage image = Canvas();
    QPainter painter(&image);
    Graph().DrawCurveGraph(kCell, painter, Curve{}, {}, {2, 12});
    Graph().DrawFamilyGraph({0, 0, 10, 300}, painter, FlatFamily(), ColorSettings(), {}, {2, 12});
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 5), kUntouched);
    QPainter again(&image);
    Graph().DrawCurveGraph({0, 0, 6, 5}, again, FlatDeltaT(), {}, {2, 12});
    Graph().DrawFamilyGraph({0, 0, 16, 5}, again, FlatFamily(), ColorSettings(), {}, {2, 12});
    again.end();
    EXPECT_NE(image.pixelColor(0, 0), kUntouched);  // drawn, and the grid loops ended
}

}  // namespace
}  // namespace vantiq
