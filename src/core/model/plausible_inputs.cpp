#include "core/model/plausible_inputs.h"

#include <cstdio>

namespace vantiq {
namespace {

struct Range {
    const char* field;
    double FileFields::*value;
    double low;
    double high;
    const char* unit;
    const char* hint;
};

// Bismuth telluride has σ ≈ 1e5 S/m, α ≈ 2e-4 V/K and κ ≈ 1.5 W/(m·K); the
// ranges leave a factor of ten on either side, so only a slipped unit or a
// wrong column falls outside.
constexpr Range kRanges[] = {
    {"pellet_length", &FileFields::pelletLength, 1e-4, 1e-2, "m", "millimetres typed as metres?"},
    {"pellet_side", &FileFields::pelletSide, 1e-4, 1e-2, "m", "millimetres typed as metres?"},
    {"width", &FileFields::width, 1, 500, "mm", "metres typed as millimetres?"},
    {"length", &FileFields::length, 1, 500, "mm", "metres typed as millimetres?"},
    {"height", &FileFields::height, 0.5, 50, "mm", "metres typed as millimetres?"},
    {"electrical_conductivity", &FileFields::electricalConductivity, kLowestConductivity,
     kHighestConductivity, "S/m", "resistivity typed as conductivity?"},
    {"seebeck_coefficient", &FileFields::seebeckCoefficient, 1e-5, 1e-3, "V/K",
     "µV/K typed as V/K?"},
    {"thermal_conductivity", &FileFields::thermalConductivity, 0.1, 10, "W/(m·K)",
     "a module's conductance typed as the material's?"},
};

std::string Describe(const Range& range, double value) {
    char text[200];
    std::snprintf(text, sizeof text, "%s %g %s lies outside %g...%g %s: %s", range.field, value,
                  range.unit, range.low, range.high, range.unit, range.hint);
    return text;
}

}  // namespace

std::vector<std::string> ImplausibleInputs(const TemRecord& record) {
    std::vector<std::string> problems;
    for (const Range& range : kRanges) {
        const double value = record.file.*range.value;
        if (!(value >= range.low && value <= range.high))
            problems.push_back(Describe(range, value));
    }
    return problems;
}

}  // namespace vantiq
