#include "core/advisor/operating_curves.h"

#include "core/model/performance_model.h"

namespace vantiq {

Curve CurveThroughPoint(const TemRecord& record, const OperatingPoint& point, PointGraph graph,
                        double xLow, unsigned steps) {
    Curve curve;
    const double th = point.thot;
    const double i = point.current;
    for (unsigned k = 0; k <= steps && steps > 0; ++k) {
        // Each x from its index, so the last sample is exactly 0.
        const double x = xLow * (1.0 - static_cast<double>(k) / steps);
        const double heat = ColdSideHeat(record, i, th + x, th);
        const double volts = ModuleVoltage(record, i, th + x, th);
        double y = 0.0;
        if (graph == PointGraph::Heat && heat >= 0.0) {
            y = heat;
        } else if (graph == PointGraph::Voltage) {
            y = volts;
        } else if (graph == PointGraph::Cop && heat > 0.0 && volts * i > 0.0) {
            y = heat / (volts * i);
        } else {
            continue;
        }
        curve.x.push_back(x);
        curve.y.push_back(y);
    }
    return curve;
}

double PointX(const OperatingPoint& point) {
    return -point.dt;
}

double PointValue(const OperatingPoint& point, PointGraph graph) {
    switch (graph) {
        case PointGraph::Heat:
            return point.cop * point.power / point.modules;
        case PointGraph::Voltage:
            return point.voltage;
        case PointGraph::Cop:
            break;
    }
    return point.cop;
}

}  // namespace vantiq
