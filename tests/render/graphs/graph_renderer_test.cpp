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

int FlatRow(std::size_t k) {
    return static_cast<int>(400 - 360 * 2.0 * (k + 1) / 11);
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
    // w = 590: the first vertical grid line after the edge is at 88 + ⌊501.5/8⌋ = 150;
    // the ticks run from row 40 to 44 and the dots start at row 44.
    const int x = 88 + 62;
    EXPECT_EQ(image.pixelColor(x - 1, 41), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(x, 41), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(x + 1, 41), QColor(Qt::black));
    for (int y = 300; y < 310; ++y) {
        EXPECT_EQ(IsGrey(image.pixel(x, y)), (y - 44) % 3 == 0) << "row " << y;
    }
    // The horizontal line at row 40 + 3·36 = 148 has its tick at the left edge.
    EXPECT_EQ(image.pixelColor(89, 148), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(89, 147), QColor(Qt::black));
    for (int px = 400; px < 410; ++px) {
        EXPECT_EQ(IsGrey(image.pixel(px, 148)), (px - 94) % 3 == 0) << "column " << px;
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
    // The axis runs from -80 K (rounded outward) to 0 over columns 88 to 590.
    const int centreX = 88 + (590 - 88) * 45 / 80;
    const int centreY = static_cast<int>(400 - 360 * 5.0 / 11);
    EXPECT_EQ(image.pixelColor(centreX, centreY), mark);
    const int curveY = static_cast<int>(400 - 360 * 3.0 / 11);
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
    // The curves end at column 590 with a round cap of the pen's half width.
    for (int y = 60; y < 400; ++y) {
        for (int x = 592; x < 600; ++x) {
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
    EXPECT_EQ(image.pixelColor(300, 399), ColorSettings().ForCurve(4));
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
    const int row = 40 + 270;  // 0.1h + 0.9h·30/40
    const QColor red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(400, row), red);
    EXPECT_EQ(image.pixelColor(599, row), red);  // runs on beyond the bitmap
    // x = 5.5 A lies at 90 + 540·0.55 = 387; the line passes it undisturbed.
    for (int y = 60; y < row - 2; ++y) {
        EXPECT_NE(image.pixelColor(387, y), red) << "row " << y;
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
