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
    const double area = r.file.pelletSide * r.file.pelletSide;
    const double resistance = 2 * r.file.pelletLength / (r.file.electricalConductivity * area);
    const double conductance = 2 * r.file.thermalConductivity * area / r.file.pelletLength;
    const double alpha = 2 * r.file.seebeckCoefficient;
    const double z = alpha * alpha / (resistance * conductance);
    const double coldest = (std::sqrt(1 + 2 * z * 298.0) - 1) / z;
    return alpha * coldest / resistance;
}

TemRecord OneModule(std::mt19937_64& engine, std::size_t index) {
    TemRecord r;
    std::snprintf(r.file.name.data(), r.file.name.size(), "GEN-%05zu", index);
    r.file.pelletCount = static_cast<std::uint32_t>(Uniform(engine, 17, 242));
    r.file.pelletSide = Uniform(engine, 0.6e-3, 2.0e-3);
    r.file.pelletLength = Uniform(engine, 0.8e-3, 2.5e-3);
    r.file.electricalConductivity = Uniform(engine, 0.8e5, 1.2e5);
    r.file.seebeckCoefficient = Uniform(engine, 1.8e-4, 2.2e-4);
    r.file.thermalConductivity = Uniform(engine, 1.3, 1.7);
    const double side = std::sqrt(2.0 * r.file.pelletCount) * r.file.pelletSide * 1e3 * 1.8;
    r.file.width = std::round(side);
    r.file.length = std::round(side);
    r.file.height = std::round((2 * r.file.pelletLength * 1e3 + 1.5) * 100) / 100;
    r.file.nominalCurrent = std::round(OptimumCurrent(r) * Uniform(engine, 0.7, 1.4) * 100) / 100;
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
