#pragma once

#include <string>
#include <string_view>

namespace vantiq {

// The number a numeric input box holds, read the way the C library's `atof`
// reads it: leading blanks, an optional sign, digits with a point as the
// decimal separator and an optional exponent; reading stops at the first
// character that does not fit. Text without a number gives 0, and so does a
// value that is not finite (an overflowing exponent), so that no input can
// turn a criterion into one that every comparison passes.
double ReadNumber(std::string_view text);

// `value` with `digits` decimals, as printf's "%.*f" writes it in the C
// locale whatever the process locale is.
std::string FormatFixed(double value, int digits);

// The text an input box shows for `value`: "%3.1f" when that text reads back
// (ReadNumber) as `value`, otherwise the shortest text that does, so that the
// value searched is the value typed: 0.21 stays "0.21", 40.25 "40.25", while
// 10 shows as "10.0".
std::string FormatInput(double value);

}  // namespace vantiq
