#pragma once

#include <QRectF>

#include "core/base/tem_record.h"

class QPainter;

namespace vantiq {

// Draws the dimensioned outline of `record` into `box`: the top view with
// its leads, width and length, and under it the side view with its plates,
// legs and height, all at one true scale. A module without usable
// dimensions gets a note instead of a drawing.
void DrawModuleOutline(QPainter& painter, const QRectF& box, const TemRecord& record);

}  // namespace vantiq
