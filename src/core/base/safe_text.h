#pragma once

#include <string>
#include <string_view>

namespace vantiq {

// `text` (UTF-8) made safe to show in a message: every control character
// (C0, DEL and C1) and every byte that is not part of valid UTF-8 is written
// as \xNN, so a module name, a CSV cell or a path read from a file can
// neither move a terminal's cursor nor start an escape sequence. Printable
// text, Cyrillic and other letters included, passes unchanged.
std::string EscapeControls(std::string_view text);

}  // namespace vantiq
