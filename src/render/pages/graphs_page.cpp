#include "render/pages/graphs_page.h"

#include <QPainter>

namespace vantiq {
namespace {

const QColor kCrossColor(140, 140, 170);

QString TemperatureCaption() {
    return QStringLiteral("Temperature difference dT, °K");
}

unsigned Steps(double fraction, int size) {
    return static_cast<unsigned>(std::max(Truncate(fraction * size), 0));
}

}  // namespace

GraphStyle PrintGraphStyle(double dpi) {
    constexpr GraphStyle kAtReference{4, 25};
    const double scale = dpi > 0.0 ? dpi / kPrintReferenceDpi : 1.0;
    return {ScaledPixels(kAtReference.penWidth, scale),
            ScaledPixels(kAtReference.fontHeight, scale), scale};
}

GraphCells ViewQuadrants(int width, int height) {
    const int a = width / 2;
    const int b = height / 2;
    return {Placement{0, 0, a, b}, Placement{a + 1, 0, width, b}, Placement{0, b + 1, a, height},
            Placement{a + 1, b + 1, width, height}};
}

void DrawViewCross(QPainter& painter, int width, int height) {
    painter.fillRect(width / 2, 0, 1, height, kCrossColor);
    painter.fillRect(0, height / 2, width, 1, kCrossColor);
}

void DrawModuleGraphs(QPainter& painter, const GraphCells& cells, const TemRecord& record,
                      double thot, const ColorSettings& colors, GraphStyle style) {
    const Placement& first = cells[0];
    Graph().DrawCurveGraph(
        first, painter,
        BuildDeltaTCurve(record, thot, Steps(0.85, first.Width()), Steps(0.9, first.Height())),
        {QStringLiteral("Current I, A"), TemperatureCaption()}, style);
    using Builder = CurveFamily (*)(const TemRecord&, double, unsigned);
    const std::array<Builder, 3> builders = {BuildHeatCurves, BuildVoltageCurves, BuildCopCurves};
    const std::array<QString, 3> captions = {QStringLiteral("Qc, Watts"),
                                             QStringLiteral("U, Volts"),
                                             QStringLiteral("Coefficient Of Performance(COP)")};
    for (std::size_t k = 0; k < builders.size(); ++k) {
        const Placement& cell = cells[k + 1];
        Graph().DrawFamilyGraph(cell, painter, builders[k](record, thot, Steps(0.9, cell.Height())),
                                colors, {TemperatureCaption(), captions[k]}, style);
    }
}

}  // namespace vantiq
