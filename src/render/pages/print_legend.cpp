#include "render/pages/print_legend.h"

#include <QFontMetrics>
#include <QPainter>

#include <optional>
#include <vector>

#include "core/model/curve_tables.h"
#include "render/graphs/graph_fonts.h"
#include "render/pages/legend_flow.h"
#include "render/pages/view_legend.h"

namespace vantiq {
namespace {

struct Entry {
    QPen pen;
    QString text;
};

QString PointText(const LegendPoint& point, bool named) {
    const QString current = QString::number(point.current, 'f', 2);
    return named ? QStringLiteral("Operating point of %1, %2 A").arg(point.module, current)
                 : QStringLiteral("Operating point, %1 A").arg(current);
}

std::vector<Entry> Entries(std::span<const LegendModule> modules, const ColorSettings& colors,
                           std::span<const LegendPoint> points, const GraphStyle& style) {
    std::vector<Entry> entries;
    const std::optional<double> imax =
        modules.size() == 1 ? std::optional(modules.front().imax) : std::nullopt;
    for (std::size_t k = kCurveFactors.size(); k-- > 0;) {
        entries.push_back({QPen(colors.ForCurve(k), style.penWidth), CurrentLegendText(k, imax)});
    }
    for (const LegendPoint& point : points) {
        entries.push_back({MarkCurvePen(style), PointText(point, modules.size() > 1)});
    }
    if (modules.size() > 1) {
        for (std::size_t m = 0; m < modules.size(); ++m) {
            entries.push_back({QPen(Qt::black, style.penWidth, ModuleLineStyle(m), Qt::FlatCap),
                               ModuleLegendText(modules[m])});
        }
    }
    return entries;
}

}  // namespace

void DrawPrintLegend(QPainter& painter, const QRect& band, std::span<const LegendModule> modules,
                     const ColorSettings& colors, std::span<const LegendPoint> points,
                     const GraphStyle& style) {
    const std::vector<Entry> entries = Entries(modules, colors, points, style);
    painter.save();
    painter.setFont(MakeGraphFont(style.fontHeight, 400));
    const QFontMetrics metrics(painter.font(), painter.device());
    std::vector<int> widths;
    for (const Entry& entry : entries) {
        widths.push_back(metrics.horizontalAdvance(entry.text));
    }
    const int cell = style.fontHeight;
    const LegendSpacing spacing{2 * cell, cell / 2, cell};
    const int rowHeight = cell * 3 / 2;
    const auto places = FlowLegend(widths, band.left(), band.right(), spacing);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int top = band.top() + places[i].row * rowHeight;
        const int middle = top + rowHeight / 2;
        painter.setPen(entries[i].pen);
        painter.drawLine(places[i].x, middle, places[i].x + spacing.swatch, middle);
        painter.setPen(Qt::black);
        const int textX = places[i].x + spacing.swatch + spacing.gap;
        painter.drawText(QRect(textX, top, widths[i] + cell, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, entries[i].text);
    }
    painter.restore();
}

}  // namespace vantiq
