#pragma once

// Temporary: the view's mode values until the view's own header is in place.

namespace vantiq {
inline constexpr int ID_VIEW_GRAPH = 32771;
inline constexpr int ID_VIEW_DATASHEET = 32772;
}  // namespace vantiq
