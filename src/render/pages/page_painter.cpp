#include "render/pages/page_painter.h"

#include <QFontMetricsF>

#include <vector>

#include "render/pages/graphs_page.h"
#include "render/pages/header_picture.h"
#include "render/pages/page_font.h"
#include "render/pages/page_texts.h"
#include "render/pages/print_layout.h"
#include "render/pages/print_legend.h"

namespace vantiq {
namespace {

// Text placed by the top-left corner of its line, the way the page is laid out.
void DrawTopLeft(QPainter& painter, QPointF origin, const QString& text) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(origin + QPointF(0, metrics.ascent()), text);
}

// The chosen point's line under the table; beside the table, each module
// overlaid at its own point, named on a line above that point's.
void DrawPointLines(QPainter& painter, const GraphsPageLayout& page, const OperatingPoint& point,
                    std::span<const PointedModule> alongside) {
    painter.setPen(Qt::black);
    painter.setFont(MakePageFont(page.pointFont, painter.device()));
    DrawTopLeft(painter, page.pointLine, OperatingPointLine(point));
    const double step = 1.3 * QFontMetricsF(painter.font(), painter.device()).height();
    QPointF line = page.alongsideLines;
    for (const PointedModule& other : alongside) {
        DrawTopLeft(painter, line, DisplayName(other.record));
        DrawTopLeft(painter, line + QPointF(0, step), OperatingPointLine(other.point));
        line += QPointF(0, 2.5 * step);
    }
}

void DrawTitleAndHeadings(QPainter& painter, const GraphsPageLayout& page, const TemRecord& record,
                          const QString& hotSideLine) {
    painter.setPen(Qt::black);
    const QString title = GraphsPageTitle(record);
    const QFont titleFont = MakePageFont(page.titleFont, painter.device());
    painter.setFont(NarrowToFit(titleFont, title, page.titleMaxWidth, painter.device()));
    DrawTopLeft(painter, page.title, title);
    painter.setFont(MakePageFont(page.hotSideFont, painter.device()));
    DrawTopLeft(painter, page.hotSideLine, hotSideLine);
    painter.setFont(MakePageFont(page.headingFont, painter.device()));
    DrawTopLeft(painter, page.dataHeading, PerformanceDataHeading());
    DrawTopLeft(painter, page.graphsHeading, PerformanceGraphsHeading());
}

void DrawPerformanceTable(QPainter& painter, const GraphsPageLayout& page,
                          const TemRecord& record) {
    painter.setFont(MakePageFont(page.tableFont, painter.device()));
    const auto rows = PerformanceRows(record);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        DrawTopLeft(painter, QPointF(page.labelX, page.rowY[i]), rows[i].label);
        DrawTopLeft(painter, QPointF(page.valueX, page.rowY[i]), rows[i].value);
    }
}

void DrawTableRules(QPainter& painter, const TableRules& rules) {
    painter.setPen(QPen(rules.color, rules.penWidth));
    for (int y : rules.rowY) {
        painter.drawLine(rules.left, y, rules.right, y);
    }
    for (int x : rules.columnX) {
        painter.drawLine(x, rules.top, x, rules.bottom);
    }
}

// The modules the graphs show: the page's own, then those alongside it.
// The rated values are the catalogue's at `thot`; the graphs a point is
// marked on are drawn at the point's own hot side, each stage of a stack at
// its own.
std::vector<GraphedModule> PageModules(const TemRecord& record, double thot,
                                       const OperatingPoint* point,
                                       std::span<const PointedModule> alongside) {
    std::vector<GraphedModule> modules = {{&record, point ? point->thot : thot, point}};
    for (const PointedModule& other : alongside) {
        if (modules.size() < kMaxOverlaidModules) {
            modules.push_back({&other.record, other.point.thot, &other.point});
        }
    }
    return modules;
}

std::vector<PageHotSide> HotSides(std::span<const GraphedModule> modules) {
    std::vector<PageHotSide> sides;
    for (const GraphedModule& module : modules) {
        sides.push_back({DisplayName(*module.record), module.thot});
    }
    return sides;
}

std::vector<LegendModule> LegendModules(std::span<const GraphedModule> modules) {
    std::vector<LegendModule> legend;
    for (const GraphedModule& module : modules) {
        legend.push_back({DisplayName(*module.record), module.record->rated.imax, module.thot});
    }
    return legend;
}

std::vector<LegendPoint> LegendPoints(std::span<const GraphedModule> modules) {
    std::vector<LegendPoint> points;
    for (const GraphedModule& module : modules) {
        if (module.point) {
            points.push_back({DisplayName(*module.record), module.point->current});
        }
    }
    return points;
}

}  // namespace

void DrawDatasheetStrip(QPainter& painter, int width, int height) {
    const StripLayout strip = LayOutStrip(width, height);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(strip.color);
    const double radius = strip.corner / 2.0;
    painter.drawRoundedRect(QRectF(strip.strip), radius, radius);
    painter.setPen(Qt::white);
    painter.setFont(MakePageFont(strip.font, painter.device()));
    painter.translate(strip.textOrigin);
    // Turned a quarter counter-clockwise, the text runs up the page with its
    // top towards the left edge of the strip.
    painter.rotate(-90);
    DrawTopLeft(painter, QPointF(0, 0), StripText());
    painter.restore();
}

void PrintDatasheetPage(QPainter& painter, int width, int height, const QImage& picture) {
    if (!picture.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(DatasheetPictureRect(width, height), picture);
        painter.restore();
    }
    DrawDatasheetStrip(painter, width, height);
}

void PrintGraphsPage(QPainter& painter, int width, int height, const TemRecord& record, double thot,
                     const ColorSettings& colors, double dpi, const OperatingPoint* point,
                     std::span<const PointedModule> alongside) {
    const std::vector<GraphedModule> modules = PageModules(record, thot, point, alongside);
    const GraphsPageLayout page = LayOutGraphsPage(width, height);
    painter.save();
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawTitleAndHeadings(painter, page, record, HotSideLine(HotSides(modules), thot));
    DrawPerformanceTable(painter, page, record);
    DrawTableRules(painter, page.rules);
    if (point) {
        DrawPointLines(painter, page, *point, alongside);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(page.headerPicture, DrawHeaderPicture());
    const GraphStyle style = PrintGraphStyle(dpi);
    DrawPrintLegend(painter, page.legendBand, LegendModules(modules), colors, LegendPoints(modules),
                    style);
    DrawModuleGraphs(painter, page.graphCells, modules, colors, style);
    painter.restore();
    DrawDatasheetStrip(painter, width, height);
}

}  // namespace vantiq
