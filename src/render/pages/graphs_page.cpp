#include "render/pages/graphs_page.h"

#include <QPainter>

#include <optional>

#include "core/advisor/operating_curves.h"
#include "render/pages/page_texts.h"

namespace vantiq {
namespace {

const QColor kCrossColor(140, 140, 170);

QString TemperatureCaption() {
    return QStringLiteral("Temperature difference dT, °K");
}

unsigned Steps(double fraction, int size) {
    return static_cast<unsigned>(std::max(Truncate(fraction * size), 0));
}

// The mark of `point` on one family graph, its curve spanning the family's
// temperature range.
GraphMark MarkOn(const TemRecord& record, const OperatingPoint& point, PointGraph graph,
                 const CurveFamily& family, unsigned steps) {
    const double value = PointValue(point, graph);
    const char* format = graph == PointGraph::Heat      ? "%.1f W"
                         : graph == PointGraph::Voltage ? "%.2f V"
                                                        : "COP %.2f";
    return {CurveThroughPoint(record, point, graph, family.MinX(), steps), PointX(point), value,
            FormatLabel(format, value)};
}

// The three graphs against the temperature difference: how their tables are
// built, their side caption, the quantity they show and the graph an
// operating point is marked on.
struct FamilyGraph {
    CurveFamily (*build)(const TemRecord&, double, unsigned);
    QString caption;
    GraphQuantity quantity;
    PointGraph graph;
};

const GraphQuantity kCurrent{QStringLiteral("I"), QStringLiteral("A"), 2, false};
const GraphQuantity kTemperatureDifference{QStringLiteral("dT"), QStringLiteral("K"), 1, true};

const std::array<FamilyGraph, 3> kFamilyGraphs = {{
    {BuildHeatCurves,
     QStringLiteral("Qc, Watts"),
     {QStringLiteral("Qc"), QStringLiteral("W"), 2},
     PointGraph::Heat},
    {BuildVoltageCurves,
     QStringLiteral("U, Volts"),
     {QStringLiteral("U"), QStringLiteral("V"), 2},
     PointGraph::Voltage},
    {BuildCopCurves,
     QStringLiteral("Coefficient Of Performance(COP)"),
     {QStringLiteral("COP"), QString(), 2},
     PointGraph::Cop},
}};

}  // namespace

GraphStyle PrintGraphStyle(double dpi) {
    // A 60-pixel cell at 600 dpi holds type of about 6.5 pt, readable on
    // paper; the scale keeps that size at any printer resolution.
    constexpr GraphStyle kAtReference{4, 60};
    const double scale = dpi > 0.0 ? dpi / kPrintReferenceDpi : 1.0;
    return {ScaledPixels(kAtReference.penWidth, scale),
            ScaledPixels(kAtReference.fontHeight, scale), scale};
}

GraphCells ViewQuadrants(int width, int height, int top) {
    const int a = width / 2;
    const int b = top + height / 2;
    const int bottom = top + height;
    return {Placement{0, top, a, b}, Placement{a + 1, top, width, b},
            Placement{0, b + 1, a, bottom}, Placement{a + 1, b + 1, width, bottom}};
}

void DrawViewCross(QPainter& painter, int width, int height, int top) {
    painter.fillRect(width / 2, top, 1, height, kCrossColor);
    painter.fillRect(0, top + height / 2, width, 1, kCrossColor);
}

PlottedPage DrawModuleGraphs(QPainter& painter, const GraphCells& cells,
                             std::span<const GraphedModule> modules, const ColorSettings& colors,
                             GraphStyle style) {
    modules = modules.first(std::min(modules.size(), kMaxOverlaidModules));
    PlottedPage page;
    if (modules.empty()) {
        return page;
    }
    for (const GraphedModule& module : modules) {
        page.modules.push_back(DisplayName(*module.record));
    }
    const Placement& first = cells[0];
    std::vector<Curve> deltaT;
    for (const GraphedModule& module : modules) {
        deltaT.push_back(BuildDeltaTCurve(*module.record, module.thot, Steps(0.85, first.Width()),
                                          Steps(0.9, first.Height())));
    }
    if (const auto plot =
            Graph().DrawCurveGraph(first, painter, deltaT,
                                   {QStringLiteral("Current I, A"), TemperatureCaption()}, style)) {
        PlottedGraph& graph =
            page.graphs.emplace_back(PlottedGraph{*plot, kCurrent, kTemperatureDifference, {}});
        for (std::size_t m = 0; m < deltaT.size(); ++m) {
            graph.curves.push_back({m, std::nullopt, std::move(deltaT[m])});
        }
    }
    for (std::size_t k = 0; k < kFamilyGraphs.size(); ++k) {
        const FamilyGraph& kind = kFamilyGraphs[k];
        const Placement& cell = cells[k + 1];
        const unsigned steps = Steps(0.9, cell.Height());
        std::vector<CurveFamily> families;
        std::vector<GraphMark> marks;
        for (const GraphedModule& module : modules) {
            families.push_back(kind.build(*module.record, module.thot, steps));
            if (module.point) {
                marks.push_back(
                    MarkOn(*module.record, *module.point, kind.graph, families.back(), steps));
            }
        }
        if (const auto plot =
                Graph().DrawFamilyGraph(cell, painter, families, colors,
                                        {TemperatureCaption(), kind.caption}, style, marks)) {
            PlottedGraph& graph = page.graphs.emplace_back(
                PlottedGraph{*plot, kTemperatureDifference, kind.quantity, {}});
            for (std::size_t m = 0; m < families.size(); ++m) {
                for (std::size_t c = 0; c < families[m].curves.size(); ++c) {
                    graph.curves.push_back({m, c, std::move(families[m].curves[c].points)});
                }
            }
        }
    }
    return page;
}

PlottedPage DrawModuleGraphs(QPainter& painter, const GraphCells& cells,
                             std::span<const TemRecord* const> records, double thot,
                             const ColorSettings& colors, GraphStyle style,
                             const OperatingPoint* point) {
    std::vector<GraphedModule> modules;
    for (const TemRecord* record : records) {
        modules.push_back({record, thot, modules.empty() ? point : nullptr});
    }
    return DrawModuleGraphs(painter, cells, modules, colors, style);
}

PlottedPage DrawModuleGraphs(QPainter& painter, const GraphCells& cells, const TemRecord& record,
                             double thot, const ColorSettings& colors, GraphStyle style,
                             const OperatingPoint* point) {
    const TemRecord* const records[] = {&record};
    return DrawModuleGraphs(painter, cells, records, thot, colors, style, point);
}

}  // namespace vantiq
