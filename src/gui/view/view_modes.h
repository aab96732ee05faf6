#pragma once

namespace vantiq {

// The View menu's commands, which double as the view's display modes.
inline constexpr unsigned ID_VIEW_GRAPH = 32771;
inline constexpr unsigned ID_VIEW_DATASHEET = 32772;

}  // namespace vantiq
