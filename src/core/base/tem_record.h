#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vantiq {

// One thermoelectric module. The file fields come from the catalogue; the
// rated values are derived at the base's hot-side temperature by the model.
// Temperature differences are signed (cold minus hot side), so dtMax < 0.
struct TemRecord {
    // Windows-1251 bytes, NUL-terminated within the 30 bytes.
    std::array<char, 30> name{};

    // On reading: the nominal current, which only bounds the derivation's
    // current scan. After derivation: the current of the largest dT.
    double imax = 0.0;
    double umax = 0.0;
    double dtMax = 0.0;
    double qmax = 0.0;
    double acResistance = 0.0;

    std::uint32_t pelletCount = 0;
    double pelletLength = 0.0;            // m
    double pelletSide = 0.0;              // m
    double width = 0.0;                   // mm
    double length = 0.0;                  // mm
    double height = 0.0;                  // mm
    double electricalConductivity = 0.0;  // S/m
    double seebeckCoefficient = 0.0;      // V/K
    double thermalConductivity = 0.0;     // W/(m·K)

    // False until a derivation found a balance point and finite rated values;
    // such modules are never listed, searched or shown.
    bool derivable = false;

    // The name's bytes up to the NUL (or all 30 bytes should none exist).
    std::string_view Name() const;
};

}  // namespace vantiq
