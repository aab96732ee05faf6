#include "core/model/performance_model.h"

namespace vantiq {
namespace {

// The temperature-dependent module quantities at one signed difference
// x = Tc - Th. Every evaluation of heat or voltage goes through here, so the
// reference and the fast derivation compute the very same doubles.
struct ModuleState {
    double seebeck;      // S(x), couple Seebeck coefficient
    double resistance;   // R(x), legs only
    double contact;      // Rc
    double conductance;  // K(x)
};

ModuleState StateAt(const TemRecord& r, double x) {
    const double n = static_cast<double>(r.file.pelletCount);
    const double area = r.file.pelletSide * r.file.pelletSide;
    const double m = x / 2;
    const double alpha = r.file.seebeckCoefficient;
    const double sigma = r.file.electricalConductivity;
    const double kappa = r.file.thermalConductivity;
    const double rho1 = 1 / (sigma * (1 - 0.004 * m));
    const double rho2 = 1 / (sigma * (1 - 0.006 * m));
    return {
        alpha * (1 + 0.0021 * m) + alpha * (1 + 0.0015 * m),
        n * (r.file.pelletLength / area) * (rho1 + rho2),
        4 * n * kContactResistivity / area,
        n * (area / r.file.pelletLength) * (kappa + kappa) * (1 - 0.0018 * m),
    };
}

}  // namespace

double ColdSideHeat(const TemRecord& r, double current, double tc, double th) {
    const double x = tc - th;
    const ModuleState s = StateAt(r, x);
    const double n = static_cast<double>(r.file.pelletCount);
    const double i2 = current * current;
    return n * current * tc * s.seebeck + s.conductance * x - 0.5 * i2 * s.resistance -
           0.5 * i2 * s.contact;
}

double ModuleVoltage(const TemRecord& r, double current, double tc, double th) {
    const double x = tc - th;
    const ModuleState s = StateAt(r, x);
    const double n = static_cast<double>(r.file.pelletCount);
    return -n * x * s.seebeck + current * (s.resistance + s.contact);
}

OperatingCoefficients CoefficientsAt(const TemRecord& r, double tc, double th) {
    const double x = tc - th;
    const ModuleState s = StateAt(r, x);
    const double n = static_cast<double>(r.file.pelletCount);
    const double resistance = s.resistance + s.contact;
    return {n * tc * s.seebeck, 0.5 * resistance, s.conductance * x, -n * x * s.seebeck,
            resistance};
}

double AcResistance(const TemRecord& r) {
    const double n = static_cast<double>(r.file.pelletCount);
    const double area = r.file.pelletSide * r.file.pelletSide;
    const double sigma = r.file.electricalConductivity;
    return n * (r.file.pelletLength / area) * (1 / sigma + 1 / sigma) +
           4 * n * kContactResistivity / area;
}

}  // namespace vantiq
