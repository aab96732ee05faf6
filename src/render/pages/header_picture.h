#pragma once

#include <QImage>

namespace vantiq {

// The picture at the head of the printed graphs page: a thermoelectric
// module between its two ceramic plates, with its N and P legs, the copper
// bridges that join them and the two supply wires. Drawn anew on each call,
// 1207 × 818 pixels, opaque.
QImage DrawHeaderPicture();

}  // namespace vantiq
