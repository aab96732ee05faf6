#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vantiq {

// One module as the catalogue file describes it: what was read (or is to be
// written), never changed by a derivation.
struct FileFields {
    // Windows-1251 bytes, NUL-terminated within the 30 bytes.
    std::array<char, 30> name{};

    // The catalogue's nominal current, A; it only bounds the derivation's
    // current scan.
    double nominalCurrent = 0.0;

    std::uint32_t pelletCount = 0;
    double pelletLength = 0.0;            // m
    double pelletSide = 0.0;              // m
    double width = 0.0;                   // mm
    double length = 0.0;                  // mm
    double height = 0.0;                  // mm
    double electricalConductivity = 0.0;  // S/m
    double seebeckCoefficient = 0.0;      // V/K
    double thermalConductivity = 0.0;     // W/(m·K)

    // The name's bytes up to the NUL (or all 30 bytes should none exist).
    std::string_view Name() const;
};

}  // namespace vantiq
