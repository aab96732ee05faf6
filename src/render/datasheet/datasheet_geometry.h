#pragma once

#include <QRectF>

namespace vantiq {

// Room the outline drawing keeps around and between its views, in pixels.
struct OutlineRoom {
    double left = 0.0;      // for the length dimension
    double top = 0.0;       // for the width dimension
    double right = 0.0;     // for the leads and the height dimension
    double bottom = 0.0;    // below the side view
    double gap = 0.0;       // between the top view and the side view
    double maxScale = 0.0;  // pixels per millimetre, so small modules stay in proportion
};

// Where the module's two views lie: the top view (width across, length down)
// above the side view (width across, height down), both at one scale and
// centred across the box.
struct OutlineLayout {
    double scale = 0.0;  // pixels per millimetre; 0 when nothing can be drawn
    QRectF topView;
    QRectF sideView;
};

// Fits the views of a module of `width` × `length` × `height` mm into `box`
// leaving `room`. A dimension that is not a positive finite number gives an
// empty layout (scale 0).
OutlineLayout FitOutline(double width, double length, double height, const QRectF& box,
                         const OutlineRoom& room);

}  // namespace vantiq
