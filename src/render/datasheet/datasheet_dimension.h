#pragma once

#include <QPointF>
#include <QString>

class QPainter;

namespace vantiq {

// A dimension of a drawing: the distance between two points of a feature,
// shown on a line `distance` pixels away from them along `normal` (a unit
// vector pointing away from the feature: up, down, left or right).
struct Dimension {
    QPointF from;
    QPointF to;
    QPointF normal;
    double distance = 0.0;
    QString text;
};

// Draws the dimension the way technical drawings do: extension lines from
// the feature, a dimension line with arrowheads (outside the extension lines
// when the span is too short to hold them) and the text beside the line, on
// the side away from the feature. Uses the painter's pen and font.
void DrawDimension(QPainter& painter, const Dimension& dimension);

}  // namespace vantiq
