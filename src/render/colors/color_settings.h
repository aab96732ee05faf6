#pragma once

#include <QColor>

#include <array>
#include <cstdint>

namespace vantiq {

// The five curve colours, one per curve current, as the Windows colour type
// stores them: 0x00BBGGRR.
struct ColorSettings {
    std::uint32_t color1 = 0x000000FF;   // I = Imax, red
    std::uint32_t color08 = 0x00FF0000;  // I = 0.8 Imax, blue
    std::uint32_t color06 = 0x00000000;  // I = 0.6 Imax, black
    std::uint32_t color04 = 0x00FF00FF;  // I = 0.4 Imax, magenta
    std::uint32_t color02 = 0x00FF6464;  // I = 0.2 Imax, light blue

    // The colour of curve `index` of a family, in the family's order
    // (0 = 0.2 Imax … 4 = Imax).
    QColor ForCurve(std::size_t index) const;

    friend bool operator==(const ColorSettings&, const ColorSettings&) = default;
};

QColor FromColorRef(std::uint32_t colorRef);
std::uint32_t ToColorRef(const QColor& color);

}  // namespace vantiq
