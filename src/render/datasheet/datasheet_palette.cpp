#include "render/datasheet/datasheet_palette.h"

#include <QHash>

#include <algorithm>
#include <utility>
#include <vector>

namespace vantiq {
namespace {

constexpr std::size_t kPaletteSize = 256;

// How many pixels have each colour; runs of one colour cost one look-up.
QHash<QRgb, qint64> CountColours(const QImage& image) {
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            int end = x + 1;
            while (end < image.width() && line[end] == line[x]) {
                ++end;
            }
            counts[line[x]] += end - x;
            x = end;
        }
    }
    return counts;
}

QList<QRgb> MostUsed(const QHash<QRgb, qint64>& counts) {
    std::vector<std::pair<qint64, QRgb>> ranked;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        ranked.emplace_back(it.value(), it.key());
    }
    // Ties go to the lower colour value so that the same drawing always
    // gives the same bytes.
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> table;
    for (std::size_t i = 0; i < std::min(kPaletteSize, ranked.size()); ++i) {
        table.push_back(ranked[i].second);
    }
    return table;
}

}  // namespace

QImage ToPalette(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return rgb.convertToFormat(QImage::Format_Indexed8, MostUsed(CountColours(rgb)),
                               Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace vantiq
