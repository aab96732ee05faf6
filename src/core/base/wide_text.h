#pragma once

#include <string>

namespace vantiq {

// Conversions at the Windows system boundary: the program keeps text and
// paths in UTF-8, Windows takes and gives UTF-16. Invalid input is replaced
// by U+FFFD rather than cut short, so a bad path fails to open instead of
// opening another file.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace vantiq
