#include "render/datasheet/datasheet_geometry.h"

#include <algorithm>
#include <cmath>

namespace vantiq {
namespace {

bool IsPositive(double value) {
    return std::isfinite(value) && value > 0.0;
}

}  // namespace

OutlineLayout FitOutline(double width, double length, double height, const QRectF& box,
                         const OutlineRoom& room) {
    const double across = box.width() - room.left - room.right;
    const double down = box.height() - room.top - room.bottom - room.gap;
    if (!IsPositive(width) || !IsPositive(length) || !IsPositive(height) || across <= 0.0 ||
        down <= 0.0) {
        return {};
    }
    OutlineLayout layout;
    layout.scale = std::min({across / width, down / (length + height), room.maxScale});
    const double viewWidth = width * layout.scale;
    const double left = box.left() + room.left + (across - viewWidth) / 2.0;
    const double usedDown = (length + height) * layout.scale + room.gap;
    const double top = box.top() + room.top + (down + room.gap - usedDown) / 2.0;
    layout.topView = QRectF(left, top, viewWidth, length * layout.scale);
    layout.sideView =
        QRectF(left, layout.topView.bottom() + room.gap, viewWidth, height * layout.scale);
    return layout;
}

}  // namespace vantiq
