#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantiq {

// The shortest text that reads back as exactly `value` ("0.1", "6.12", "1e-05").
std::string FormatShortest(double value);

// A finite number spelled in full by `text` (no blanks, no trailing
// characters, no "nan" or "inf"); nullopt otherwise.
std::optional<double> ParseStrictNumber(std::string_view text);

}  // namespace vantiq
