#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantiq {

// Module names and the program's texts are Windows-1251 bytes in the file;
// they are compared and sorted as bytes and decoded only to be shown.

// UTF-8 text of Windows-1251 bytes. The one byte the code page leaves
// unassigned (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

// Windows-1251 bytes of UTF-8 text; nullopt when the text is not valid UTF-8
// or holds a character the code page lacks.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

}  // namespace vantiq
