#pragma once

namespace vantiq {

// What the view shows. The values are the View menu's command ids, which
// double as the modes; None is the view before its first update, showing
// nothing.
enum class DisplayMode : unsigned { None = 0, Graph = 32771, Datasheet = 32772 };

}  // namespace vantiq
