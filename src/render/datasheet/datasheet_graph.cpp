#include "render/datasheet/datasheet_graph.h"

#include <QPainter>

#include "core/model/curve_tables.h"
#include "render/colors/color_settings.h"
#include "render/datasheet/datasheet_drawing.h"
#include "render/datasheet/datasheet_style.h"
#include "render/graphs/graph_renderer.h"

namespace vantiq {
namespace {

constexpr GraphStyle kPageGraphStyle{3, 16};
constexpr double kLegendHeight = 34.0;

// One short line in each curve's colour with its share of Imax, highest first.
void DrawLegend(QPainter& painter, const QRectF& line, const ColorSettings& colors) {
    constexpr double kEntryWidth = 150.0;
    const char* shares[] = {"0.2", "0.4", "0.6", "0.8", "1.0"};
    painter.setFont(DatasheetFont(19, false));
    double left = line.center().x() - 2.5 * kEntryWidth;
    for (int k = 4; k >= 0; --k, left += kEntryWidth) {
        const double y = line.center().y();
        painter.setPen(QPen(colors.ForCurve(static_cast<std::size_t>(k)), 4.0));
        painter.drawLine(QPointF(left, y), QPointF(left + 40.0, y));
        painter.setPen(kTextColour);
        painter.drawText(QRectF(left + 50.0, line.top(), kEntryWidth - 50.0, line.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(shares[k]) + QString::fromUtf8(" × Imax"));
    }
}

}  // namespace

void DrawDatasheetGraph(QPainter& painter, const QRectF& area, const TemRecord& derived) {
    const QRect cell = area.adjusted(0.0, 0.0, 0.0, -kLegendHeight).toRect();
    const Placement placement{cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1};
    const auto steps = static_cast<unsigned>(0.9 * placement.Height());
    const ColorSettings colors;
    painter.save();
    Graph().DrawFamilyGraph(
        placement, painter, BuildHeatCurves(derived, kDatasheetThot, steps), colors,
        {QStringLiteral("Temperature difference dT, °K"), QStringLiteral("Qc, Watts")},
        kPageGraphStyle);
    DrawLegend(painter,
               QRectF(area.left(), area.bottom() - kLegendHeight, area.width(), kLegendHeight),
               colors);
    painter.restore();
}

}  // namespace vantiq
