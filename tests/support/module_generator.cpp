#include "module_generator.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace vantiq::test {
namespace {

// Uniform in [lo, hi) from the engine's raw bits, so that no library's
// distribution decides the values.
double Uniform(std::mt19937_64& engine, double lo, double hi) {
    const double unit = static_cast<double>(engine() >> 11) * 0x1.0p-53;
    return lo + (hi - lo) * unit;
}

// The current of the largest temperature difference of a module at 298 K in
// the constant-property approximation: Tc = (√(1 + 2·Z·Th) − 1)/Z and
// I = 2α·Tc/r for one couple of resistance r.
double OptimumCurrent(const TemRecord& r) {
    const double area = r.pelletSide * r.pelletSide;
    const double resistance = 2 * r.pelletLength / (r.electricalConductivity * area);
    const double conductance = 2 * r.thermalConductivity * area / r.pelletLength;
    const double alpha = 2 * r.seebeckCoefficient;
    const double z = alpha * alpha / (resistance * conductance);
    const double coldest = (std::sqrt(1 + 2 * z * 298.0) - 1) / z;
    return alpha * coldest / resistance;
}

TemRecord OneModule(std::mt19937_64& engine, std::size_t index) {
    TemRecord r;
    std::snprintf(r.name.data(), r.name.size(), "GEN-%05zu", index);
    r.pelletCount = static_cast<std::uint32_t>(Uniform(engine, 17, 242));
    r.pelletSide = Uniform(engine, 0.6e-3, 2.0e-3);
    r.pelletLength = Uniform(engine, 0.8e-3, 2.5e-3);
    r.electricalConductivity = Uniform(engine, 0.8e5, 1.2e5);
    r.seebeckCoefficient = Uniform(engine, 1.8e-4, 2.2e-4);
    r.thermalConductivity = Uniform(engine, 1.3, 1.7);
    const double side = std::sqrt(2.0 * r.pelletCount) * r.pelletSide * 1e3 * 1.8;
    r.width = std::round(side);
    r.length = std::round(side);
    r.height = std::round((2 * r.pelletLength * 1e3 + 1.5) * 100) / 100;
    r.imax = std::round(OptimumCurrent(r) * Uniform(engine, 0.7, 1.4) * 100) / 100;
    return r;
}

}  // namespace

std::vector<TemRecord> GeneratedModules(std::size_t count, std::uint64_t seed) {
    std::mt19937_64 engine(seed);
    std::vector<TemRecord> modules;
    modules.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        modules.push_back(OneModule(engine, i));
    }
    return modules;
}

}  // namespace vantiq::test
