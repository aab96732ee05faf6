#include "render/pictures/module_picture.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

#include "core/base/base_loader.h"
#include "test_support.h"

namespace vantiq {
namespace {

std::vector<unsigned char> Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {bytes.begin(), bytes.end()};
}

QImage Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

TEST(ModulePicture, DecodesEachModulesOwnPictureFromTheCatalogue) {
    test::TempDir dir;
    const std::vector<CatalogueEntry> entries = {
        {test::WorkedExampleModule("A"), Encode(Filled(3, 2, Qt::red), "PNG")},
        {test::WorkedExampleModule("B"), {}},
        {test::WorkedExampleModule("C"), Encode(Filled(5, 4, Qt::blue), "BMP")},
        {test::WorkedExampleModule("D"), {'n', 'o', 't'}},
    };
    TemBase base;
    ASSERT_TRUE(OpenBase(base, test::WriteCatalogue(dir.File("Base.tmb"), entries)).ok());
    EXPECT_EQ(LoadModulePicture(base, 0).size(), QSize(3, 2));
    EXPECT_TRUE(LoadModulePicture(base, 1).isNull());
    EXPECT_EQ(LoadModulePicture(base, 2).pixelColor(4, 3), QColor(Qt::blue));
    EXPECT_TRUE(LoadModulePicture(base, 3).isNull());
    EXPECT_TRUE(LoadModulePicture(base, -1).isNull());
}

TEST(ModulePicture, RefusesAPictureClaimingToBeHuge) {
    // A bitmap header announcing 100000 × 100000 pixels and nothing behind it.
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    const auto put32 = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    put32(10, 54);
    put32(14, 40);
    put32(18, 100000);
    put32(22, 100000);
    header[26] = 1;
    header[28] = 24;
    EXPECT_TRUE(DecodePicture(header).isNull());
}

QByteArray AsBytes(const std::vector<unsigned char>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

TEST(ModulePicture, DecodesOnlyTheFormatsACatalogueMayHold) {
    const QImage image = Filled(6, 5, Qt::green);
    for (const char* format : {"PNG", "JPEG", "BMP", "TIFF", "ICO"}) {
        EXPECT_EQ(DecodePicture(AsBytes(Encode(image, format))).size(), QSize(6, 5)) << format;
    }
    // Qt reads these, but a catalogue picture in them is no picture.
    for (const char* format : {"PPM", "XPM", "WEBP", "XBM"}) {
        const QByteArray bytes = AsBytes(Encode(image, format));
        EXPECT_FALSE(bytes.isEmpty()) << format << " could not be written";
        EXPECT_TRUE(DecodePicture(bytes).isNull()) << format;
    }
    // A PNG behind a bitmap's signature goes to the bitmap decoder only.
    QByteArray png = AsBytes(Encode(image, "PNG"));
    EXPECT_TRUE(DecodePicture(png.replace(0, 2, "BM")).isNull());
}

TEST(ModulePicture, IsStretchedOverTheMiddleOfTheWidthWithItsTransparency) {
    EXPECT_EQ(DatasheetRect(1000, 600), QRect(150, 0, 700, 600));
    QImage target(1000, 600, QImage::Format_RGB32);
    target.fill(Qt::white);
    QImage picture = Filled(10, 10, Qt::transparent);
    picture.setPixelColor(0, 0, Qt::black);
    QPainter painter(&target);
    DrawDatasheetPicture(painter, picture, 1000, 600);
    painter.end();
    EXPECT_EQ(target.pixelColor(150, 0), QColor(Qt::black));
    EXPECT_EQ(target.pixelColor(149, 0), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(500, 300), QColor(Qt::white));
}

}  // namespace
}  // namespace vantiq
