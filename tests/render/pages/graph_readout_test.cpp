#include "render/pages/graph_readout.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>

#include "core/model/rated_values.h"
#include "test_support.h"

namespace vantiq {
namespace {

class GraphReadOutTest : public testing::Test {
protected:
    void SetUp() override {
        for (std::size_t m = 0; m < modules_.size(); ++m) {
            // Appended rather than "M" + ...: GCC 12 warns falsely at -O3.
            std::string name = "M";
            name.append(std::to_string(m + 1));
            modules_[m] = test::WorkedExampleModule(name);
            modules_[m].file.pelletCount = 71 + 56 * static_cast<std::uint32_t>(m);
            DeriveRatedValues(modules_[m], 298.0);
        }
    }

    PlottedPage Draw(std::size_t count) {
        std::vector<const TemRecord*> records;
        for (std::size_t m = 0; m < count; ++m) {
            records.push_back(&modules_[m]);
        }
        QPainter painter(&image_);
        return DrawModuleGraphs(painter, ViewQuadrants(801, 601), records, 298.0, ColorSettings{},
                                kScreenGraphStyle);
    }

    std::array<TemRecord, 3> modules_;
    QImage image_{801, 601, QImage::Format_RGB32};
};

TEST_F(GraphReadOutTest, APointUnderTheMouseIsReadOutWithItsCurveAndUnits) {
    const PlottedPage page = Draw(1);
    ASSERT_EQ(page.graphs.size(), 4u);
    const PlottedGraph& heat = page.graphs[1];
    const PlottedCurve& imax = heat.curves.back();
    ASSERT_EQ(imax.factor, std::optional<std::size_t>(4));
    const std::size_t i = imax.points.size() / 2;
    const auto pixel = PlotPoint(heat.plot, imax.points.x[i], imax.points.y[i]);
    ASSERT_TRUE(pixel);
    const auto readOut = NearestCurvePoint(page, *pixel);
    ASSERT_TRUE(readOut);
    EXPECT_EQ(readOut->curve, &imax);
    EXPECT_EQ(readOut->pixel, *pixel);
    const QString expected = QStringLiteral("1.0 × Imax: dT = %1 K, Qc = %2 W")
                                 .arg(std::fabs(readOut->x), 0, 'f', 1)
                                 .arg(readOut->y, 0, 'f', 2);
    EXPECT_EQ(ReadOutText(page, *readOut), expected);
}

TEST_F(GraphReadOutTest, TheNoLoadCurveIsReadOutAsCurrentAndTemperatureDifference) {
    const PlottedPage page = Draw(1);
    const PlottedCurve& curve = page.graphs[0].curves.front();
    const std::size_t i = curve.points.size() / 3;
    const auto readOut = NearestCurvePoint(
        page, *PlotPoint(page.graphs[0].plot, curve.points.x[i], curve.points.y[i]));
    ASSERT_TRUE(readOut);
    EXPECT_TRUE(ReadOutText(page, *readOut).startsWith(QStringLiteral("No load: I = ")));
    EXPECT_TRUE(ReadOutText(page, *readOut).contains(QStringLiteral(" A, dT = ")));
}

TEST_F(GraphReadOutTest, NothingIsReadOutOnTheCrossBetweenTheGraphs) {
    const PlottedPage page = Draw(1);
    EXPECT_FALSE(NearestCurvePoint(page, QPoint(400, 100)));
    EXPECT_FALSE(NearestCurvePoint(page, QPoint(100, 300)));
    EXPECT_FALSE(NearestCurvePoint(PlottedPage{}, QPoint(100, 100)));
}

TEST_F(GraphReadOutTest, OverlaidModulesAreNamedAndEachCurveReadsBackToItsModule) {
    const PlottedPage page = Draw(3);
    ASSERT_EQ(page.modules, (std::vector<QString>{QStringLiteral("M1"), QStringLiteral("M2"),
                                                  QStringLiteral("M3")}));
    const PlottedGraph& voltage = page.graphs[2];
    ASSERT_EQ(voltage.curves.size(), 15u);
    for (std::size_t m = 0; m < 3; ++m) {
        const PlottedCurve& curve = voltage.curves[m * 5 + 4];
        ASSERT_EQ(curve.module, m);
        // The module's own Imax curve at its warmest point: the three modules
        // differ in pellets, so their voltages, and these points, do too.
        const auto pixel = PlotPoint(voltage.plot, curve.points.x.back(), curve.points.y.back());
        const auto readOut = NearestCurvePoint(page, *pixel);
        ASSERT_TRUE(readOut);
        EXPECT_EQ(readOut->curve->module, m);
        EXPECT_TRUE(ReadOutText(page, *readOut).startsWith(page.modules[m] + QStringLiteral(" · ")))
            << m;
    }
}

}  // namespace
}  // namespace vantiq
