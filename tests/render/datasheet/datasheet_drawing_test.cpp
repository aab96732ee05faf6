#include "render/datasheet/datasheet_drawing.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QSet>

#include <cmath>
#include <cstring>

#include "render/datasheet/datasheet_geometry.h"
#include "render/datasheet/datasheet_palette.h"
#include "render/datasheet/datasheet_text.h"
#include "test_support.h"

namespace vantiq {
namespace {

class DatasheetDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) {
            new QGuiApplication(argc, argv);
        }
    }
};

TEST_F(DatasheetDrawing, PngDecodesAtPageSizeWithItsHeaderBand) {
    const auto png = DatasheetPng(test::WorkedExampleModule());
    ASSERT_FALSE(png.empty());
    EXPECT_LT(png.size(), 150u * 1024u);
    const QImage page = QImage::fromData(png.data(), static_cast<int>(png.size()), "png");
    ASSERT_EQ(page.size(), QSize(1240, 1754));
    EXPECT_EQ(page.pixelColor(10, 10), QColor(24, 52, 94)) << "header band";
    EXPECT_EQ(page.pixelColor(10, 194), QColor(232, 128, 36)) << "accent rule";
    EXPECT_EQ(page.pixelColor(10, 1000), QColor(Qt::white)) << "page margin";
}

TEST_F(DatasheetDrawing, ScalesToTheAskedSize) {
    const QImage page =
        DrawGeneratedDatasheet(test::WorkedExampleModule(), std::nullopt, {620, 877});
    EXPECT_EQ(page.size(), QSize(620, 877));
    EXPECT_EQ(page.pixelColor(5, 5), QColor(24, 52, 94));
}

TEST(DatasheetGeometry, FitsBothViewsAtOneScale) {
    const QRectF box(0, 0, 500, 400);
    const OutlineRoom room{50, 50, 50, 50, 50, 100};
    const struct {
        const char* what;
        double w, l, h;
        double scale;
        QRectF top, side;
    } cases[] = {
        {"limited by height", 40, 40, 10, 5, {150, 50, 200, 200}, {150, 300, 200, 50}},
        {"limited by width", 80, 10, 10, 5, {50, 125, 400, 50}, {50, 225, 400, 50}},
        {"small module at the largest scale",
         1,
         1,
         0.5,
         100,
         {200, 100, 100, 100},
         {200, 250, 100, 50}},
        {"no width", 0, 40, 4, 0, {}, {}},
        {"height not a number", 40, 40, std::nan(""), 0, {}, {}},
    };
    for (const auto& c : cases) {
        const OutlineLayout layout = FitOutline(c.w, c.l, c.h, box, room);
        EXPECT_DOUBLE_EQ(layout.scale, c.scale) << c.what;
        EXPECT_EQ(layout.topView, c.top) << c.what;
        EXPECT_EQ(layout.sideView, c.side) << c.what;
    }
}

TEST(DatasheetText, FormatsNumbersForReading) {
    EXPECT_EQ(FormatTrimmed(0.0016 * 1000.0, 3), QStringLiteral("1.6"));
    EXPECT_EQ(FormatTrimmed(100000.0, 0), QStringLiteral("100000"));
    EXPECT_EQ(FormatTrimmed(-0.0001, 2), QStringLiteral("0"));
    EXPECT_EQ(FormatTrimmed(INFINITY, 2), QStringLiteral("—"));
    EXPECT_EQ(FormatMillimetres(40.0), QStringLiteral("40.0"));
    EXPECT_EQ(FormatMillimetres(3.15), QStringLiteral("3.15"));
}

TEST(DatasheetText, RowsShowTheFileDataAndTheRatedValues) {
    const auto catalogue = CatalogueRows(test::WorkedExampleModule());
    QStringList values;
    for (const auto& row : catalogue) {
        values << row.value;
    }
    EXPECT_EQ(values.join(QLatin1Char('|')),
              QStringLiteral("127|1.4|1.6|40.0 × 40.0 × 3.8|6|100000|200|1.5"));

    const auto rated = RatedRows(RatedValues{6.12, 14.251, -67.75, 53.331, 0.2734});
    EXPECT_EQ(rated[0].value, QStringLiteral("6.12"));
    EXPECT_EQ(rated[2].label, QStringLiteral("ΔTmax, °C"));
    EXPECT_EQ(rated[2].value, QStringLiteral("67.8"));
    EXPECT_EQ(rated[4].value, QStringLiteral("0.273"));
    for (const auto& row : RatedRows(std::nullopt)) {
        EXPECT_EQ(row.value, QStringLiteral("—")) << row.label.toStdString();
    }
}

TEST(DatasheetPalette, KeepsFlatColoursExactly) {
    QImage image(300, 2, QImage::Format_RGB32);
    image.fill(QColor(24, 52, 94));
    for (int x = 0; x < 300; ++x) {
        image.setPixelColor(x, 1, x < 200 ? QColor(243, 241, 234) : QColor(x - 44, 0, 0));
    }
    const QImage palette = ToPalette(image);
    EXPECT_EQ(palette.format(), QImage::Format_Indexed8);
    EXPECT_EQ(palette.pixelColor(0, 0), QColor(24, 52, 94));
    EXPECT_EQ(palette.pixelColor(0, 1), QColor(243, 241, 234));
}

TEST(DatasheetPalette, MapsEveryOtherColourAsQtsOwnConversionDoes) {
    // Soft-edged rings in many hues: far more colours than the palette holds.
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setPen(QPen(QColor::fromHsv(i * 9, 200, 180), 1.5));
        painter.drawEllipse(QPointF(200, 150), 5 + i * 4.7, 3 + i * 3.4);
    }
    painter.end();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    ASSERT_GT(colours.size(), 1000);

    const QImage ours = ToPalette(image);
    const QImage qts = image.convertToFormat(QImage::Format_Indexed8, ours.colorTable(),
                                             Qt::ThresholdDither | Qt::AvoidDither);
    ASSERT_EQ(ours.colorTable(), qts.colorTable());
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(std::memcmp(ours.constScanLine(y), qts.constScanLine(y), image.width()), 0)
            << "line " << y;
    }
}

}  // namespace
}  // namespace vantiq
