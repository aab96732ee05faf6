#include "core/selection/number_input.h"

#include <charconv>
#include <cmath>

namespace vantiq {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// Length of the longest prefix of `text` that spells a decimal number
// (sign, digits, point, exponent); 0 when none does.
std::size_t NumberLength(std::string_view text) {
    std::size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    const std::size_t integerEnd = SkipDigits(text, at);
    std::size_t end = integerEnd;
    bool anyDigit = integerEnd > at;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) {
        return 0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        // An "e" without digits is not part of the number.
        end = exponentEnd > exponent ? exponentEnd : end;
    }
    return end;
}

}  // namespace

double ReadNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    text.remove_prefix(start);
    const std::size_t length = NumberLength(text);
    if (length == 0) {
        return 0.0;
    }
    // from_chars takes no plus sign and is independent of the process locale.
    const bool plus = text[0] == '+';
    const char* first = text.data() + (plus ? 1 : 0);
    double value = 0.0;
    const auto result = std::from_chars(first, text.data() + length, value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

std::string FormatFixed(double value, int digits) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
    if (result.ec != std::errc()) {
        return {};
    }
    return std::string(buffer, result.ptr);
}

std::string FormatInput(double value) {
    std::string text = FormatFixed(value, 1);
    if (ReadNumber(text) == value) {
        return text;
    }
    char shortest[64];
    const auto end = std::to_chars(shortest, shortest + sizeof shortest, value).ptr;
    return std::string(shortest, end);
}

}  // namespace vantiq
