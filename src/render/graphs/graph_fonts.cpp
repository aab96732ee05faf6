#include "render/graphs/graph_fonts.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vantiq {
namespace {

constexpr int kHeavyWeight = 900;
constexpr int kLabelWeight = 550;

int Clamp(double value, int low, int high) {
    return static_cast<int>(std::clamp(std::lround(value), long{low}, long{high}));
}

}  // namespace

GraphFonts::GraphFonts(int height)
    : caption(MakeGraphFont(height, kHeavyWeight)),
      side(MakeGraphFont(height, kHeavyWeight)),
      label(MakeGraphFont(height, kLabelWeight)) {}

QFont MakeGraphFont(int height, int weight) {
    const int cell = std::max(height, 1);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setPixelSize(cell);
    // A font's pixel size is its em square; the height asked for is the
    // whole character cell (ascent and descent), which is taller.
    const double natural = QFontMetricsF(font).height();
    if (natural > 0.0) {
        font.setPixelSize(Clamp(cell * cell / natural, 1, 4 * cell));
    }
    const double average = QFontMetricsF(font).averageCharWidth();
    if (average > 0.0) {
        font.setStretch(Clamp(100.0 * (2 * cell / 3) / average, 1, 4000));
    }
    return font;
}

}  // namespace vantiq
