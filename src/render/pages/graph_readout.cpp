#include "render/pages/graph_readout.h"

#include <cmath>

namespace vantiq {
namespace {

bool Holds(const Placement& placement, QPoint at) {
    return at.x() >= placement.left && at.x() < placement.right && at.y() >= placement.top &&
           at.y() < placement.bottom;
}

QString Quantity(const GraphQuantity& quantity, double value) {
    const QString number =
        QString::number(quantity.magnitude ? std::fabs(value) : value, 'f', quantity.decimals);
    return quantity.unit.isEmpty()
               ? QStringLiteral("%1 = %2").arg(quantity.symbol, number)
               : QStringLiteral("%1 = %2 %3").arg(quantity.symbol, number, quantity.unit);
}

QString CurveName(const PlottedCurve& curve) {
    if (!curve.factor) {
        return QStringLiteral("No load");
    }
    return QStringLiteral("%1 × Imax").arg(kCurveFactors[*curve.factor], 0, 'f', 1);
}

}  // namespace

std::optional<ReadOut> NearestCurvePoint(const PlottedPage& page, QPoint at) {
    for (const PlottedGraph& graph : page.graphs) {
        if (!Holds(graph.plot.placement, at)) {
            continue;
        }
        std::optional<ReadOut> nearest;
        long long best = 0;
        for (const PlottedCurve& curve : graph.curves) {
            for (std::size_t i = 0; i < curve.points.size(); ++i) {
                const double x = curve.points.x[i];
                const double y = curve.points.y[i];
                const auto pixel = PlotPoint(graph.plot, x, y);
                if (!pixel || !Holds(graph.plot.placement, *pixel)) {
                    continue;
                }
                const QPoint d = *pixel - at;
                const long long distance =
                    static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
                if (!nearest || distance < best) {
                    nearest = ReadOut{&graph, &curve, x, y, *pixel};
                    best = distance;
                }
            }
        }
        return nearest;
    }
    return std::nullopt;
}

QString ReadOutText(const PlottedPage& page, const ReadOut& readOut) {
    QString text = CurveName(*readOut.curve);
    if (page.modules.size() > 1 && readOut.curve->module < page.modules.size()) {
        text = page.modules[readOut.curve->module] + QStringLiteral(" · ") + text;
    }
    return QStringLiteral("%1: %2, %3")
        .arg(text, Quantity(readOut.graph->x, readOut.x), Quantity(readOut.graph->y, readOut.y));
}

}  // namespace vantiq
