#pragma once

#include <QRectF>

#include "core/base/tem_record.h"

class QPainter;

namespace vantiq {

// Draws the cooling-capacity graph of `derived` (a record whose rated values
// were derived at the datasheet's hot side) into `area` with the program's
// graph renderer: Qc against the temperature difference for 1.0 … 0.2 × Imax,
// with a legend of the five currents under it.
void DrawDatasheetGraph(QPainter& painter, const QRectF& area, const TemRecord& derived);

}  // namespace vantiq
