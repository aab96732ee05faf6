#include "render/pages/page_font.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace vantiq {
namespace {

constexpr int kMinStretch = 1;
constexpr int kMaxStretch = 4000;

QFont BaseFont(const PageFontSpec& spec, int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(std::max(1, pixelSize));
    font.setUnderline(spec.underline);
    font.setWeight(spec.heavy ? QFont::Black : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The pixel size whose cell height is `spec.height`: the em is only part of
// the cell, so the first measurement scales the request.
int CellPixelSize(const PageFontSpec& spec, const QPaintDevice* device) {
    const QFontMetricsF metrics(BaseFont(spec, spec.height), device);
    if (metrics.height() <= 0) {
        return spec.height;
    }
    return static_cast<int>(std::lround(spec.height * spec.height / metrics.height()));
}

// The average character width as the printer fonts have always measured it:
// lower-case letters and the space weighted by how often they occur in
// English text. Faces measure their own "average" in different ways, so the
// weighted mean keeps the page's proportions whichever Arial-like face is
// installed.
double WeightedAverageWidth(const QFontMetricsF& metrics) {
    static constexpr int kWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                         56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    constexpr int kSpaceWeight = 166;
    double sum = kSpaceWeight * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i) {
        sum += kWeights[i] * metrics.horizontalAdvance(QLatin1Char(static_cast<char>('a' + i)));
    }
    return sum / 1000.0;
}

}  // namespace

QFont MakePageFont(const PageFontSpec& spec, const QPaintDevice* device) {
    QFont font = BaseFont(spec, CellPixelSize(spec, device));
    const double natural = WeightedAverageWidth(QFontMetricsF(font, device));
    if (natural > 0 && spec.width > 0) {
        const auto stretch = std::lround(100.0 * spec.width / natural);
        font.setStretch(static_cast<int>(std::clamp<long>(stretch, kMinStretch, kMaxStretch)));
    }
    return font;
}

QFont NarrowToFit(const QFont& font, const QString& text, int maxWidth,
                  const QPaintDevice* device) {
    const double width = QFontMetricsF(font, device).horizontalAdvance(text);
    if (width <= maxWidth || width <= 0) {
        return font;
    }
    QFont narrower = font;
    const int current = font.stretch() > 0 ? font.stretch() : QFont::Unstretched;
    // Truncated, the estimate errs on the narrow side.
    const auto stretch = static_cast<long>(current * (maxWidth / width));
    narrower.setStretch(static_cast<int>(std::clamp<long>(stretch, kMinStretch, kMaxStretch)));
    return narrower;
}

}  // namespace vantiq
