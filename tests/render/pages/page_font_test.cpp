#include "render/pages/page_font.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>

#include "page_probe.h"

namespace vantiq {
namespace {

TEST(PageFont, CellHeightAndWidthFollowTheRequest) {
    const QImage device(10, 10, QImage::Format_RGB32);
    const QString sample = QStringLiteral("AC resistance, ohms");
    struct Case {
        PageFontSpec spec;
        PageFontSpec wider;
    };
    const Case cases[] = {
        {{144, 72}, {144, 108}},
        {{96, 48, true}, {96, 72, true}},
        {{18, 12, false, true}, {18, 18, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spec.height << " x " << c.spec.width);
        const QFontMetricsF metrics(MakePageFont(c.spec, &device), &device);
        const QFontMetricsF wider(MakePageFont(c.wider, &device), &device);
        EXPECT_NEAR(metrics.height(), c.spec.height, 1.0);
        EXPECT_NEAR(wider.height(), c.spec.height, 1.0) << "width does not change the height";
        EXPECT_NEAR(wider.horizontalAdvance(sample) / metrics.horizontalAdvance(sample), 1.5, 0.06);
    }
}

TEST(PageFont, LongTextIsNarrowedToItsRoomAndShortTextKept) {
    const QImage device(10, 10, QImage::Format_RGB32);
    const QFont font = MakePageFont({144, 72}, &device);
    const QString text = QStringLiteral("Thermoelectric module ТЭМ 127-1.4-2.00");
    const double natural = QFontMetricsF(font, &device).horizontalAdvance(text);
    const QFont narrowed = NarrowToFit(font, text, 2832, &device);
    const QFontMetricsF metrics(narrowed, &device);
    ASSERT_GT(natural, 2832);
    EXPECT_LE(metrics.horizontalAdvance(text), 2832);
    EXPECT_GT(metrics.horizontalAdvance(text), 2832 * 0.95);
    EXPECT_NEAR(metrics.height(), 144, 1.0);
    EXPECT_EQ(NarrowToFit(font, text, static_cast<int>(natural) + 1, &device), font);
}

}  // namespace
}  // namespace vantiq
