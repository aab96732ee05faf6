#include "render/datasheet/datasheet_palette.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

namespace vantiq {
namespace {

constexpr std::size_t kPaletteSize = 256;

// Calls visit(y, x, end, colour) for every run [x, end) of one colour in line y
// of an RGB32 image: a page is mostly long runs of one colour.
template <typename Visit>
void ForEachRun(const QImage& rgb, Visit visit) {
    const int width = rgb.width();  // not inlined: a call per pixel otherwise
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int x = 0;
        while (x < width) {
            int end = x + 1;
            while (end < width && line[end] == line[x]) {
                ++end;
            }
            visit(y, x, end, line[x]);
            x = end;
        }
    }
}

// How many pixels have each colour.
QHash<QRgb, qint64> CountColours(const QImage& rgb) {
    QHash<QRgb, qint64> counts;
    ForEachRun(rgb, [&](int, int x, int end, QRgb colour) { counts[colour] += end - x; });
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

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
}

// The first of the nearest table colours, by the distance Qt's own palette
// conversion uses, so that the pictures keep their bytes whichever made them.
uchar NearestIndex(QRgb colour, const QList<QRgb>& table) {
    int nearest = 0;
    int best = std::numeric_limits<int>::max();
    for (int i = 0; i < table.size(); ++i) {
        if (const int distance = Distance(colour, table[i]); distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return static_cast<uchar>(nearest);
}

// Qt's conversion looks every pixel up in a hash; here each run costs one
// look-up. Drawing the sample catalogue's datasheets spent a third of its time
// in Qt's.
QImage MapToTable(const QImage& rgb, const QList<QRgb>& table) {
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    QHash<QRgb, uchar> indexOf;
    ForEachRun(rgb, [&](int y, int x, int end, QRgb colour) {
        auto found = indexOf.constFind(colour);
        if (found == indexOf.constEnd()) {
            found = indexOf.insert(colour, NearestIndex(colour, table));
        }
        uchar* line = indexed.scanLine(y);
        std::fill(line + x, line + end, *found);
    });
    return indexed;
}

}  // namespace

QImage ToPalette(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return MapToTable(rgb, MostUsed(CountColours(rgb)));
}

}  // namespace vantiq
