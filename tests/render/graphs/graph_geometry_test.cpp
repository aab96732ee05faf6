#include "render/graphs/graph_geometry.h"

#include "render/graphs/graph_fonts.h"
#include "render/graphs/graph_renderer.h"
#include "render/pages/graphs_page.h"
#include "render/pages/print_layout.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace vantiq {
namespace {

std::vector<std::string> Texts(const std::vector<GraphLabel>& labels, std::size_t first,
                               std::size_t count) {
    std::vector<std::string> texts;
    for (std::size_t i = first; i < first + count && i < labels.size(); ++i) {
        texts.push_back(labels[i].text.toStdString());
    }
    return texts;
}

struct LimitCase {
    const char* name;
    double data;
    double limit;
};

class CurveGraphLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(CurveGraphLimit, RoundsTheDeepestTemperatureDifferenceOutward) {
    EXPECT_DOUBLE_EQ(CurveGraphAxes(5.0, GetParam().data).yLow, GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(Examples, CurveGraphLimit,
                         ::testing::Values(LimitCase{"minus37", -37.0, -50.0},
                                           LimitCase{"minus45IsHalfAStepAway", -45.0, -50.0},
                                           LimitCase{"minus45point1", -45.1, -60.0},
                                           LimitCase{"zero", 0.0, -10.0}),
                         [](const auto& info) { return std::string(info.param.name); });

class FamilyGraphLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(FamilyGraphLimit, RoundsTheLargestValueWithAStepOfItsMagnitude) {
    EXPECT_NEAR(FamilyGraphAxes(-70.0, GetParam().data).yHigh, GetParam().limit, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Examples, FamilyGraphLimit,
                         ::testing::Values(LimitCase{"hundredths", 0.37, 0.38},
                                           LimitCase{"tenths", 5.0, 5.1},
                                           LimitCase{"units", 12.3, 13.0},
                                           LimitCase{"tens", 150.0, 160.0},
                                           LimitCase{"belowATenthGetsATenth", 0.05, 0.1},
                                           LimitCase{"allZeroGetsATenth", 0.0, 0.1}),
                         [](const auto& info) { return std::string(info.param.name); });

// A measure that takes every character as 7 pixels wide, for the checks
// of where labels go.
GraphText Text(int xCaption, int yCaption) {
    return {12, xCaption, yCaption, 1.0,
            [](const QString& text) { return 7 * static_cast<int>(text.size()); }};
}

std::vector<std::string> Texts(const GraphLayout& layout) {
    return Texts(layout.labels, 0, layout.labels.size());
}

TEST(CurveGraphLayout, LabelsTenthsOfTheCurrentAndEveryTenKelvin) {
    const CurveAxes axes = CurveGraphAxes(6.0, -37.0);
    const GraphLayout layout = CurveGraphLayout(500, 400, axes, Text(12, 29));
    // The column first, from the origin down, then the row of currents.
    EXPECT_EQ(Texts(layout),
              (std::vector<std::string>{"0", "-10", "-20", "-30", "-40", "-50", "0.6", "1.2", "1.8",
                                        "2.4", "3.0", "3.6", "4.2", "4.8", "5.4", "6.0"}));
    // w = 500 - 13 (half of "6.0" and a gap), h = 400 - 6: the plot spans
    // 73 … 487 across and 39 … 394 down; sY = ⌊355 / 5⌋ = 71.
    EXPECT_EQ(layout.plotLeft, 73);
    EXPECT_EQ(layout.plotTop, 39);
    EXPECT_EQ(layout.gridY, (std::vector<int>{39, 110, 181, 252, 323, 394}));
    EXPECT_EQ(layout.labels[1].box, QRect(58 - 10, 110 - 6, 21, 12));
    // Ten divisions of ⌊415 / 10⌋ = 41: the current's end sits on the last.
    EXPECT_EQ(layout.labels.back().box.center().x(), 73 + 410);
    EXPECT_EQ(CurveGraphPoint(layout, axes, 6.0, -50.0), QPoint(487, 394));
}

TEST(FamilyGraphLayout, LabelsTheTemperatureAxisFromTheLimitInTenKelvinStepsUpToZero) {
    const FamilyAxes axes = FamilyGraphAxes(-70.0, 0.37);
    EXPECT_DOUBLE_EQ(axes.xLow, -80.0);
    const GraphLayout layout = FamilyGraphLayout(500, 400, axes, Text(29, 9));
    EXPECT_EQ(Texts(layout),
              (std::vector<std::string>{"0.4", "0.3", "0.3", "0.3",  "0.2", "0.2", "0.2",
                                        "0.1", "0.1", "0.0", "-0.0", "-80", "-70", "-60",
                                        "-50", "-40", "-30", "-20",  "-10", "0"}));
    // The label of 0 sits centred on the last grid line, which the
    // truncated step of ⌊(490 - 73) / 8⌋ = 52 leaves a pixel short of the
    // plot's right edge.
    EXPECT_EQ(layout.plotWidth, 490);
    EXPECT_EQ(layout.labels.back().box.center().x(), layout.gridX.back());
    EXPECT_EQ(layout.gridX.back(), 489);
}

TEST(FamilyGraphLayout, ValueLabelsCountDownByRepeatedSubtraction) {
    const auto labels = [](double yMax) {
        return Texts(FamilyGraphLayout(500, 400, FamilyGraphAxes(-70, yMax), Text(1, 1)).labels, 0,
                     11);
    };
    EXPECT_EQ(labels(12.3), (std::vector<std::string>{"13.0", "11.7", "10.4", "9.1", "7.8", "6.5",
                                                      "5.2", "3.9", "2.6", "1.3", "-0.0"}));
    EXPECT_EQ(labels(150.0).back(), "0.0");
}

TEST(GraphLayout, CaptionBoxesFollowTheCaptionLengthAndFont) {
    const GraphLayout layout = FamilyGraphLayout(600, 400, FamilyGraphAxes(-70, 5), Text(29, 9));
    // c = 9, e = ⌊29·9/2⌋ = 130 and ⌊9·9/2⌋ = 40; the plot is 590 wide, and
    // the side caption is centred on the graph's whole height.
    EXPECT_EQ(layout.topBox, QRect(QPoint(295 - 142, 4), QPoint(295 + 142 - 1, 18 - 1)));
    EXPECT_EQ(layout.sideBox, QRect(QPoint(5, 200 - 52), QPoint(19 - 1, 200 + 52 - 1)));
    EXPECT_EQ(layout.topCaption, QPoint(295, 4));
    EXPECT_EQ(layout.sideCaption, QPoint(7, 200));
}

TEST(GraphLayout, GridStepsThatTruncateToNothingDrawNoGrid) {
    const GraphLayout narrow = CurveGraphLayout(10, 200, CurveGraphAxes(1, -30), Text(1, 1));
    EXPECT_TRUE(narrow.gridX.empty());
    const GraphLayout flat = FamilyGraphLayout(250, 10, FamilyGraphAxes(-70, 1), Text(1, 1));
    EXPECT_TRUE(flat.gridY.empty());
    const GraphLayout deep = CurveGraphLayout(250, 8, CurveGraphAxes(1, -140), Text(1, 1));
    EXPECT_TRUE(deep.gridY.empty());
}

TEST(GraphPoints, MapDataOntoThePlotAndSkipWhatIsNotDrawn) {
    const CurveAxes curve = CurveGraphAxes(10.0, -30.0);  // yLow = -40
    const GraphLayout curveLayout = CurveGraphLayout(500, 400, curve, Text(1, 1));
    const int across = curveLayout.plotWidth - curveLayout.plotLeft;
    const int down = curveLayout.plotHeight - curveLayout.plotTop;
    EXPECT_EQ(CurveGraphPoint(curveLayout, curve, 5.0, -20.0),
              QPoint(curveLayout.plotLeft + across / 2, curveLayout.plotTop + down / 2));
    EXPECT_FALSE(CurveGraphPoint(curveLayout, curve, 5.0, 0.0));
    EXPECT_FALSE(CurveGraphPoint(curveLayout, curve, 5.0, 3.0));
    const FamilyAxes family = FamilyGraphAxes(-70.0, 10.0);  // -80 … 0, 0 … 11
    const GraphLayout familyLayout = FamilyGraphLayout(500, 400, family, Text(1, 1));
    EXPECT_EQ(FamilyGraphPoint(familyLayout, family, 0.0, 0.0),
              QPoint(familyLayout.plotWidth, familyLayout.plotHeight));
    EXPECT_EQ(FamilyGraphPoint(familyLayout, family, -80.0, 11.0),
              QPoint(familyLayout.plotLeft, familyLayout.plotTop));
    EXPECT_FALSE(FamilyGraphPoint(familyLayout, family, -40.0, std::nan("")));
}

// Where the graphs go: a quadrant of the view on a 1600 × 1000 screen at a
// QT_SCALE_FACTOR (the window's chrome, the panel and the legend band of a
// stack taken off; "half" with the answer table open under the view), or a
// cell of the printed page at a printer's resolution.
struct ScaleCase {
    const char* name;
    QSize cell;
    GraphStyle style;
    bool roomy = true;  // every label fits
};

ScaleCase ViewCase(const char* name, double scale, double share) {
    const int width = static_cast<int>(1600 / scale) - 330;
    const int height = static_cast<int>((1000 / scale - 60) * share) - 99;
    return {name, QSize(width / 2, height / 2), kScreenGraphStyle, scale == 1.0 && share == 1.0};
}

// A draft's coarse pixels leave the currents too little room for all ten.
ScaleCase PrintCase(const char* name, double dpi) {
    const Placement cell =
        LayOutGraphsPage(static_cast<int>(7.87 * dpi), static_cast<int>(11.3 * dpi)).graphCells[1];
    return {name, QSize(cell.Width(), cell.Height()), PrintGraphStyle(dpi), dpi >= 300};
}

// The graph kinds and the widest labels the model's tables give them: the
// no-load curve to -80 K, a Qc family past 100 W, a COP family below 1.
struct KindCase {
    const char* name;
    std::function<GraphLayout(QSize, const GraphText&)> layout;
    std::size_t labels;     // how many the axes carry
    const char* rowEnd;     // the label at the right end of the top axis
    const char* columnEnd;  // the label at the bottom of the side axis
};

const KindCase kKinds[] = {
    {"curve",
     [](QSize s, const GraphText& t) {
         return CurveGraphLayout(s.width(), s.height(), CurveGraphAxes(15.3, -74.0), t);
     },
     10 + 9, "15.3", "-80"},
    {"heat",
     [](QSize s, const GraphText& t) {
         return FamilyGraphLayout(s.width(), s.height(), FamilyGraphAxes(-74.0, 152.0), t);
     },
     9 + 11, "0", "0.0"},
    {"cop",
     [](QSize s, const GraphText& t) {
         return FamilyGraphLayout(s.width(), s.height(), FamilyGraphAxes(-74.0, 0.37), t);
     },
     9 + 11, "0", "-0.0"},
};

class GraphScale : public ::testing::TestWithParam<ScaleCase> {};

// Every tick label the layout keeps lies whole inside the graph, clear of
// both captions and of every other label; on screen at every scale and on
// paper at every resolution the ends of both axes are labelled, where room
// is short at least every third label stays, and where there is room (a
// full screen at scale 1, paper) every one.
TEST_P(GraphScale, TickLabelsAreWholeAndClearOfTheCaptionsAndEachOther) {
    const ScaleCase& c = GetParam();
    const QFontMetrics metrics(GraphFonts(c.style.fontHeight).label);
    const QString caption = QStringLiteral("Coefficient Of Performance(COP)");
    const GraphText text =
        GraphLayoutText({QStringLiteral("Temperature difference dT, °K"), caption}, c.style);
    for (const KindCase& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const GraphLayout layout = kind.layout(c.cell, text);
        const QRect bitmap(0, 0, c.cell.width(), c.cell.height());
        const QRect topBand(0, layout.topBox.top(), c.cell.width(), layout.topBox.height());
        const QRect sideBand(layout.sideBox.left(), 0, layout.sideBox.width(), c.cell.height());
        for (std::size_t i = 0; i < layout.labels.size(); ++i) {
            const GraphLabel& label = layout.labels[i];
            // The ink of the text as the renderer centres it in its box.
            const int originX =
                label.box.left() + (label.box.width() - metrics.horizontalAdvance(label.text)) / 2;
            const QRect ink = metrics.boundingRect(label.text)
                                  .translated(originX, label.box.top() + metrics.ascent());
            SCOPED_TRACE(label.text.toStdString());
            EXPECT_TRUE(label.box.left() <= ink.left() && ink.right() <= label.box.right());
            EXPECT_TRUE(bitmap.contains(label.box) && bitmap.contains(ink));
            EXPECT_FALSE(label.box.intersects(topBand) || label.box.intersects(sideBand));
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(label.box.intersects(layout.labels[j].box))
                    << layout.labels[j].text.toStdString();
            }
        }
        const auto labelled = [&layout](const char* text) {
            return std::any_of(
                layout.labels.begin(), layout.labels.end(),
                [text](const GraphLabel& l) { return l.text == QLatin1String(text); });
        };
        EXPECT_TRUE(labelled(kind.rowEnd) && labelled(kind.columnEnd)) << "the axes' ends";
        EXPECT_GE(c.roomy ? layout.labels.size() : 3 * layout.labels.size(), kind.labels);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ScreensAndPages, GraphScale,
    ::testing::Values(ViewCase("screenAt1", 1.0, 1.0), ViewCase("screenAt1point5", 1.5, 1.0),
                      ViewCase("screenAt2", 2.0, 1.0), ViewCase("screenAt1WithTable", 1.0, 0.6),
                      ViewCase("screenAt2WithTable", 2.0, 0.6), PrintCase("pageAt150Dpi", 150),
                      PrintCase("pageAt300Dpi", 300), PrintCase("pageAt600Dpi", 600),
                      PrintCase("pageAt1200Dpi", 1200)),
    [](const auto& info) { return std::string(info.param.name); });

struct MarkCase {
    const char* name;
    std::vector<QPoint> centres;
};

class MarkLabels : public ::testing::TestWithParam<MarkCase> {};

// Two stages' points may fall on one spot ("1.0 W" twice) or crowd a corner
// of the plot: their labels still lie inside the plot, apart, and off the dots.
TEST_P(MarkLabels, LieInsideThePlotApartAndOffTheDots) {
    const QRect plot(40, 30, 300, 200);
    const std::vector<QSize> sizes(GetParam().centres.size(), QSize(40, 14));
    constexpr int kRadius = 4;
    const std::vector<QRect> boxes = PlaceMarkLabels(GetParam().centres, sizes, kRadius, plot);
    ASSERT_EQ(boxes.size(), sizes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(plot.contains(boxes[i])) << i;
        EXPECT_EQ(boxes[i].size(), sizes[i]);
        for (std::size_t j = 0; j < boxes.size(); ++j) {
            const QPoint c = GetParam().centres[j];
            EXPECT_FALSE(boxes[i].intersects(QRect(c.x() - kRadius, c.y() - kRadius, 9, 9)));
            EXPECT_TRUE(i == j || !boxes[i].intersects(boxes[j])) << i << " " << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Points, MarkLabels,
                         ::testing::Values(MarkCase{"apart", {{100, 150}, {250, 100}}},
                                           MarkCase{"onOneSpot", {{150, 120}, {150, 120}}},
                                           MarkCase{"sideBySide",
                                                    {{150, 120}, {160, 122}, {170, 118}}},
                                           MarkCase{"inTheTopRightCorner", {{335, 33}, {330, 35}}},
                                           MarkCase{"onTheBottomEdge", {{45, 229}, {50, 229}}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantiq
