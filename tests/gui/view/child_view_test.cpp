#include "gui/view/child_view.h"

#include <QPalette>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/advisor/operating_point.h"
#include "core/model/base_derivation.h"
#include "core/model/hot_side.h"
#include "gui/view/view_modes.h"
#include "render/pages/page_texts.h"
#include "render/pages/view_legend.h"
#include "test_support.h"

namespace vantiq {
namespace {

const QColor kCross(140, 140, 170);

TEST(ViewQuadrants, LeaveTheCrossBetweenThem) {
    const GraphCells cells = ViewQuadrants(501, 401);
    EXPECT_EQ(cells[0], (Placement{0, 0, 250, 200}));
    EXPECT_EQ(cells[1], (Placement{251, 0, 501, 200}));
    EXPECT_EQ(cells[2], (Placement{0, 201, 250, 401}));
    EXPECT_EQ(cells[3], (Placement{251, 201, 501, 401}));
}

class ChildViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A copy of its own: the catalogue is opened for exclusive use, and
        // other tests read the sample at the same time.
        const std::string copy = dir.File("Base.tmb");
        std::filesystem::copy_file(VANTIQ_SAMPLE_BASE, copy);
        ASSERT_TRUE(OpenBase(base, copy).ok());
        ASSERT_TRUE(LoadBase(base, kDefaultThot).ok());
        view.resize(501, 401);
        view.show();
    }

    test::TempDir dir;
    TemBase base;
    ColorSettings colors;
    CChildView view{base, colors};
};

TEST_F(ChildViewTest, AFreshPageShowsOnlyTheCrossOnTheWindowColour) {
    const QImage& page = view.Buffer();
    ASSERT_EQ(page.size(), QSize(501, 401));
    const QColor window = view.palette().color(QPalette::Window);
    for (int y = 0; y < 401; y += 20) {
        EXPECT_EQ(page.pixelColor(250, y), kCross) << y;
        EXPECT_EQ(page.pixelColor(249, y), y == 200 ? kCross : window) << y;
    }
    for (int x = 0; x < 501; x += 20) {
        EXPECT_EQ(page.pixelColor(x, 200), kCross) << x;
    }
}

TEST_F(ChildViewTest, GraphModeDrawsTheFourGraphsAndPaintingCopiesThem) {
    view.SetModule(0, kDefaultThot);
    view.OnUpdateView(DisplayMode::Graph);
    const QImage page = view.Buffer();
    for (const QPoint corner : {QPoint(1, 1), QPoint(252, 1), QPoint(1, 202), QPoint(252, 202)}) {
        EXPECT_EQ(page.pixelColor(corner), QColor(Qt::white)) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(page.pixelColor(250, 100), kCross);
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), page);
}

// No module is shown that the title does not name: without a selection the
// page keeps only its cross.
TEST_F(ChildViewTest, WithoutASelectionThePageAndThePictureAreCleared) {
    view.SetModule(0, kDefaultThot);
    view.OnUpdateView(DisplayMode::Graph);
    ASSERT_FALSE(view.Plotted().graphs.empty());
    view.SetModule(-1, kDefaultThot);
    view.OnUpdateView(DisplayMode::Graph);
    EXPECT_TRUE(view.Plotted().graphs.empty());
    EXPECT_TRUE(view.Shown().empty());
    EXPECT_EQ(view.Buffer().pixelColor(1, 1), view.palette().color(QPalette::Window));
    EXPECT_EQ(view.Buffer().pixelColor(250, 100), kCross);
    EXPECT_TRUE(view.Picture().isNull());
}

TEST_F(ChildViewTest, DatasheetModeLeavesThePageAlone) {
    view.SetModule(0, kDefaultThot);
    view.OnUpdateView(DisplayMode::Datasheet);
    EXPECT_EQ(view.Buffer().pixelColor(1, 1), view.palette().color(QPalette::Window));
    EXPECT_EQ(view.Mode(), DisplayMode::Datasheet);
}

TEST_F(ChildViewTest, AResizeRedrawsTheGraphsAtTheNewSize) {
    view.SetModule(0, kDefaultThot);
    view.OnUpdateView(DisplayMode::Graph);
    for (const QSize size : {QSize(801, 601), QSize(401, 301)}) {
        view.resize(size);
        const QImage resized = view.Buffer();
        ASSERT_EQ(resized.size(), size);
        view.OnUpdateView(DisplayMode::Graph);  // what a module click would show
        EXPECT_EQ(resized, view.Buffer()) << size.width();
    }
}

TEST_F(ChildViewTest, GraphsSitBelowABandNamingTheModuleAndItsHotSide) {
    view.SetModule(0, kDefaultThot);
    view.OnUpdateView(DisplayMode::Graph);
    const LegendModule shown[] = {{DisplayName(base.records[0]), base.records[0].rated.imax, {}}};
    const int band = LegendBandHeight(shown, view.Buffer().width());
    const int middle = band + (401 - band) / 2;
    const PlottedPage& plotted = view.Plotted();
    ASSERT_EQ(plotted.graphs.size(), 4u);
    EXPECT_EQ(plotted.graphs[0].plot.placement, (Placement{0, band, 250, middle}));
    EXPECT_EQ(plotted.graphs[3].plot.placement, (Placement{251, middle + 1, 501, 401}));
    const QImage& page = view.Buffer();
    EXPECT_EQ(page.pixelColor(250, band + 10), kCross);
    EXPECT_EQ(page.pixelColor(250, band / 2), QColor(Qt::white)) << "the band spans the width";
    // The header's text and the legend's swatches are ink on the white band.
    int ink = 0;
    for (int y = 0; y < band - 1; ++y) {
        for (int x = 0; x < 501; ++x) {
            ink += page.pixelColor(x, y) != QColor(Qt::white);
        }
    }
    EXPECT_GT(ink, 500);
}

// The curves of `page` with a current factor, graph by graph.
std::vector<Curve> FamilyCurves(const PlottedPage& page) {
    std::vector<Curve> curves;
    for (const PlottedGraph& graph : page.graphs) {
        for (const PlottedCurve& curve : graph.curves) {
            if (curve.factor) {
                curves.push_back(curve.points);
            }
        }
    }
    return curves;
}

bool SameCurves(const std::vector<Curve>& a, const std::vector<Curve>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Curve& p, const Curve& q) { return p.x == q.x && p.y == q.y; });
}

TEST_F(ChildViewTest, AMarkedPointsGraphsAreDrawnAtItsHotSide) {
    view.SetModule(0, kDefaultThot);
    const TemRecord& record = base.records[0];
    const double th = 315.3;  // where a heat sink let the set settle
    const auto point =
        SetPointAt(record, 0.3 * record.rated.qmax, 1, Wiring::Series, th - 20.0, th);
    ASSERT_TRUE(point.has_value());
    view.OnUpdateView(DisplayMode::Graph);
    const std::vector<Curve> atBase = FamilyCurves(view.Plotted());
    view.SetPoint(point);
    view.OnUpdateView(DisplayMode::Graph);
    const std::vector<Curve> marked = FamilyCurves(view.Plotted());
    // The same rated values drawn at the point's hot side, without the mark.
    view.SetPoint(std::nullopt);
    view.SetModule(0, th);
    view.OnUpdateView(DisplayMode::Graph);
    ASSERT_FALSE(marked.empty());
    EXPECT_TRUE(SameCurves(marked, FamilyCurves(view.Plotted())));
    EXPECT_FALSE(SameCurves(marked, atBase));
}

TEST_F(ChildViewTest, TheMouseOverAGraphReadsOutTheNearestCurvePoint) {
    view.SetModule(0, kDefaultThot);
    view.OnUpdateView(DisplayMode::Graph);
    QSignalSpy spy(&view, &CChildView::ReadOutChanged);
    const PlottedGraph& cop = view.Plotted().graphs[3];
    const PlottedCurve& curve = cop.curves.back();
    const std::size_t i = curve.points.size() / 2;
    const QPoint at = *PlotPoint(cop.plot, curve.points.x[i], curve.points.y[i]);
    QTest::mouseMove(&view, at + QPoint(1, 1));
    ASSERT_EQ(spy.count(), 1);
    const QString text = spy.at(0).at(0).toString();
    EXPECT_TRUE(text.startsWith(QStringLiteral("1.0 × Imax: dT = "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(", COP = "))) << text.toStdString();
    QTest::mouseMove(&view, QPoint(250, 300));  // on the cross
    ASSERT_EQ(spy.count(), 2);
    EXPECT_TRUE(spy.at(1).at(0).toString().isEmpty());
}

}  // namespace
}  // namespace vantiq
