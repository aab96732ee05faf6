#pragma once

#include <QColor>
#include <QFont>

namespace vantiq {

// The datasheet's house colours.
inline const QColor kBrandColour(24, 52, 94);  // header band, headings
inline const QColor kAccentColour(232, 128, 36);
inline const QColor kOutlineColour(25, 25, 25);
inline const QColor kDimensionColour(40, 40, 40);
inline const QColor kTextColour(30, 30, 30);
inline const QColor kMutedTextColour(110, 110, 110);
inline const QColor kRuleColour(190, 198, 212);
inline const QColor kStripeColour(239, 243, 249);

// Arial (or the system's metric-compatible substitute) at `pixelSize`.
QFont DatasheetFont(int pixelSize, bool bold, bool italic = false);

}  // namespace vantiq
