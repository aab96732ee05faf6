#pragma once

#include <QPainter>
#include <QRect>

#include <array>

#include "base/tem_record.h"
#include "settings/color_settings.h"

namespace vantiq {

// The four performance graphs of `record` at hot side `thot` (K), each
// rendered off-screen at its cell's size and placed in its cell: dT against
// current top left, Qc, U and COP against dT top right, bottom left and
// bottom right; printer pen width and font height.
void DrawPrintedGraphs(QPainter& painter, const std::array<QRect, 4>& cells,
                       const TemRecord& record, double thot, const ColorSettings& colors);

}  // namespace vantiq
