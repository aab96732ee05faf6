#include "render/colors/color_settings.h"

namespace vantiq {

QColor ColorSettings::ForCurve(std::size_t index) const {
    const std::array<std::uint32_t, 5> byCurve = {color02, color04, color06, color08, color1};
    return FromColorRef(byCurve.at(index));
}

QColor FromColorRef(std::uint32_t colorRef) {
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

std::uint32_t ToColorRef(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

}  // namespace vantiq
