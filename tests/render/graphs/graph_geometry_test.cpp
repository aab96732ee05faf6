#include "render/graphs/graph_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(CurveGraphLayout, LabelsTenthsOfTheCurrentAndEveryTenKelvin) {
    const CurveAxes axes = CurveGraphAxes(6.0, -37.0);
    const GraphLayout layout = CurveGraphLayout(250, 200, axes, 12, 12, 29);
    ASSERT_EQ(layout.labels.size(), 15u);
    EXPECT_EQ(Texts(layout.labels, 0, 3), (std::vector<std::string>{"0.6", "1.2", "1.8"}));
    EXPECT_EQ(Texts(layout.labels, 10, 5),
              (std::vector<std::string>{"-10", "-20", "-30", "-40", "-50"}));
    // sY = ⌊180 / 5⌋ = 36; the first current label sits one 0.09w division in.
    EXPECT_EQ(layout.labels[0].anchor, QPoint(37 + 22, 12));
    EXPECT_EQ(layout.labels[10].anchor, QPoint(30, 20 + 36 - 5));
    EXPECT_EQ(layout.gridY, (std::vector<int>{20, 56, 92, 128, 164}));
    EXPECT_EQ(layout.origin->anchor, QPoint(30, 16));
}

TEST(FamilyGraphLayout, LabelsTheTemperatureAxisFromTheLimitInTenKelvinSteps) {
    const FamilyAxes axes = FamilyGraphAxes(-70.0, 0.37);
    EXPECT_DOUBLE_EQ(axes.xLow, -80.0);
    const GraphLayout layout = FamilyGraphLayout(250, 200, axes, 12, 29, 9);
    ASSERT_EQ(layout.labels.size(), 21u);
    EXPECT_EQ(Texts(layout.labels, 0, 10),
              (std::vector<std::string>{"-80", "-70", "-60", "-50", "-40", "-30", "-20", "-10",
                                        "  0", " 10"}));
    EXPECT_EQ(Texts(layout.labels, 10, 11),
              (std::vector<std::string>{"0.4", "0.3", "0.3", "0.3", "0.2", "0.2", "0.2", "0.1",
                                        "0.1", "0.0", "-0.0"}));
    // w = 240, sX = ⌊204 / 8⌋ = 25: the label of 0 sits on the plot's right edge.
    EXPECT_EQ(layout.labels[8].anchor, QPoint(36 + 8 * 25, 12));
    EXPECT_EQ(layout.gridX.back(), 236);
    EXPECT_EQ(layout.labels[20].anchor, QPoint(26, 20 + 10 * 18 - 5));
}

TEST(FamilyGraphLayout, ValueLabelsCountDownByRepeatedSubtraction) {
    const auto labels = [](double yMax) {
        return Texts(FamilyGraphLayout(250, 200, FamilyGraphAxes(-70, yMax), 12, 1, 1).labels, 10,
                     11);
    };
    EXPECT_EQ(labels(12.3), (std::vector<std::string>{"13.0", "11.7", "10.4", "9.1", "7.8", "6.5",
                                                      "5.2", "3.9", "2.6", "1.3", "-0.0"}));
    EXPECT_EQ(labels(150.0).back(), "0.0");
}

TEST(GraphLayout, CaptionBoxesFollowTheCaptionLengthAndFont) {
    const GraphLayout layout = FamilyGraphLayout(600, 400, FamilyGraphAxes(-70, 5), 12, 29, 9);
    // c = 9, e = ⌊29·9/2⌋ = 130 and ⌊9·9/2⌋ = 40; the plot is 590 wide.
    EXPECT_EQ(layout.topBox, QRect(QPoint(295 - 142, 4), QPoint(295 + 142 - 1, 18 - 1)));
    EXPECT_EQ(layout.sideBox, QRect(QPoint(5, 200 - 52), QPoint(19 - 1, 200 + 52 - 1)));
    EXPECT_EQ(layout.topCaption, QPoint(295, 4));
    EXPECT_EQ(layout.sideCaption, QPoint(7, 200));
}

TEST(GraphLayout, GridStepsThatTruncateToNothingDrawNoGrid) {
    const GraphLayout narrow = CurveGraphLayout(10, 200, CurveGraphAxes(1, -30), 12, 1, 1);
    EXPECT_TRUE(narrow.gridX.empty());
    EXPECT_FALSE(narrow.gridY.empty());
    const GraphLayout flat = FamilyGraphLayout(250, 10, FamilyGraphAxes(-70, 1), 12, 1, 1);
    EXPECT_TRUE(flat.gridY.empty());
    const GraphLayout deep = CurveGraphLayout(250, 8, CurveGraphAxes(1, -140), 12, 1, 1);
    EXPECT_TRUE(deep.gridY.empty());
}

TEST(GraphPoints, MapDataOntoThePlotAndSkipWhatIsNotDrawn) {
    const CurveAxes curve = CurveGraphAxes(10.0, -30.0);  // yLow = -40
    const GraphLayout curveLayout = CurveGraphLayout(250, 200, curve, 12, 1, 1);
    EXPECT_EQ(CurveGraphPoint(curveLayout, curve, 5.0, -20.0), QPoint(150, 110));
    EXPECT_FALSE(CurveGraphPoint(curveLayout, curve, 5.0, 0.0));
    EXPECT_FALSE(CurveGraphPoint(curveLayout, curve, 5.0, 3.0));
    const FamilyAxes family = FamilyGraphAxes(-70.0, 10.0);  // -80 … 0, 0 … 11
    const GraphLayout familyLayout = FamilyGraphLayout(250, 200, family, 12, 1, 1);
    EXPECT_EQ(FamilyGraphPoint(familyLayout, family, 0.0, 0.0), QPoint(240, 200));
    EXPECT_EQ(FamilyGraphPoint(familyLayout, family, -80.0, 11.0), QPoint(36, 20));
    EXPECT_FALSE(FamilyGraphPoint(familyLayout, family, -40.0, std::nan("")));
}

// Whatever the graph's size, no placed tick label covers a caption box or
// another label; a graph of the window's usual size keeps its labels where
// the layout puts them.
TEST(TickLabels, NeverCoverTheCaptionsOrEachOtherAndStayPutWhereThereIsRoom) {
    constexpr int kFont = 12;
    const FamilyAxes axes = FamilyGraphAxes(-90.0, 76.0);
    for (const QSize size : {QSize(500, 330), QSize(260, 150), QSize(180, 110)}) {
        SCOPED_TRACE(size.width());
        const GraphLayout layout =
            FamilyGraphLayout(size.width(), size.height(), axes, kFont, 28, 14);
        std::vector<QRect> boxes;
        for (const GraphLabel& label : layout.labels) {
            const int width = 7 * static_cast<int>(label.text.size());
            boxes.emplace_back(label.anchor.x() - width / 2, label.anchor.y() + 2, width,
                               kFont - 3);
        }
        const auto offsets = PlaceTickLabels(boxes, layout.topBox, layout.sideBox);
        std::vector<QRect> placed;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (size.width() == 500 && offsets[i]) {
                EXPECT_EQ(*offsets[i], QPoint(0, 0)) << i;
            }
            if (!offsets[i]) {
                continue;
            }
            const QRect box = boxes[i].translated(*offsets[i]);
            EXPECT_FALSE(box.intersects(layout.topBox) || box.intersects(layout.sideBox)) << i;
            for (const QRect& other : placed) {
                EXPECT_FALSE(box.intersects(other)) << i;
            }
            placed.push_back(box);
        }
        EXPECT_GE(placed.size(), size.width() == 500 ? boxes.size() - 1 : boxes.size() / 2)
            << "only the corner label that meets the other axis's may go";
    }
}

}  // namespace
}  // namespace vantiq
