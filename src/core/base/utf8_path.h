#pragma once

#include <filesystem>
#include <string>

namespace vantiq {

// A filesystem path from the program's UTF-8 text. Windows would read a plain
// string in the ANSI code page and name another file.
inline std::filesystem::path Utf8Path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace vantiq
