#include "render/settings/streamed_values.h"

#include <cstdint>
#include <string>

namespace vantiq {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int OctalDigit(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// Reads the digits of one numeric escape from `i` on. Qt keeps the number in
// 32 bits and stores its low 16 as one UTF-16 code unit.
char16_t EscapedUnit(std::string_view text, std::size_t& i, int base, std::uint32_t value) {
    const auto digit = base == 16 ? HexDigit : OctalDigit;
    for (; i < text.size() && digit(text[i]) >= 0; ++i) {
        value =
            value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit(text[i]));
    }
    return static_cast<char16_t>(value & 0xFFFF);
}

// The character a one-letter escape stands for, or 0 for a letter Qt skips.
char LetterEscape(char c) {
    constexpr std::string_view kLetters = "abfnrtv\"?'\\";
    constexpr std::string_view kMeanings = "\a\b\f\n\r\t\v\"?'\\";
    const std::size_t at = kLetters.find(c);
    return at == std::string_view::npos ? 0 : kMeanings[at];
}

// The ASCII text Qt makes of a value, with everything else left out: Qt adds
// at most other characters in between, so text found here may be split in
// Qt's string but never the other way round. Quotes vanish, and so do the
// spaces after a closing quote; commas stay, so list items stay apart.
std::string AsciiOfValue(std::string_view value) {
    std::string text;
    bool inQuotes = false;
    for (std::size_t i = 0; i < value.size();) {
        const char c = value[i++];
        if (c == '"') {
            inQuotes = !inQuotes;
            while (!inQuotes && i < value.size() && (value[i] == ' ' || value[i] == '\t'))
                ++i;
        } else if (c != '\\') {
            if (static_cast<unsigned char>(c) < 0x80)
                text += c;
        } else if (i < value.size()) {
            const char kind = value[i++];
            char16_t unit = static_cast<unsigned char>(LetterEscape(kind));
            if (kind == 'x' && i < value.size() && HexDigit(value[i]) >= 0) {
                unit = EscapedUnit(value, i, 16, 0);
            } else if (OctalDigit(kind) >= 0) {
                unit = EscapedUnit(value, i, 8, static_cast<std::uint32_t>(OctalDigit(kind)));
            } else if (kind == '\n' || kind == '\r') {
                // An escaped line break, with the other half of a CR LF pair.
                if (i < value.size() && (value[i] == '\n' || value[i] == '\r') &&
                    value[i] != kind) {
                    ++i;
                }
                continue;
            } else if (unit == 0) {
                continue;  // a letter Qt skips
            }
            if (unit < 0x80)
                text += static_cast<char>(unit);
        }
    }
    return text;
}

struct Line {
    std::string_view text;
    std::size_t equals = std::string_view::npos;  // within text
};

// The next line from `pos` on, split as QSettings splits an INI store: a line
// ends at a line break or a ';' outside quotes, a backslash hides the next
// character, and a ';' at the start of a line makes it a comment.
bool NextLine(std::string_view data, std::size_t& pos, Line& line) {
    std::size_t start = pos;
    while (start < data.size() && IsSpace(data[start]))
        ++start;
    std::size_t i = start;
    bool inQuotes = false;
    line.equals = std::string_view::npos;
    while (i < data.size()) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && line.equals == std::string_view::npos)
                line.equals = i - 1 - start;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < data.size()) {
                const char hidden = data[i++];
                if (i < data.size() &&
                    ((hidden == '\n' && data[i] == '\r') || (hidden == '\r' && data[i] == '\n'))) {
                    ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < data.size() && IsSpace(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.text = data.substr(start, i - start);
    return !line.text.empty();
}

bool Streamed(const std::string& value) {
    return value.find("@Variant(") != std::string::npos ||
           value.find("@DateTime(") != std::string::npos;
}

}  // namespace

bool HoldsNoStreamedValue(std::string_view store) {
    if (store.starts_with("\xef\xbb\xbf"))
        store.remove_prefix(3);
    std::size_t pos = 0;
    for (Line line; NextLine(store, pos, line);) {
        const bool header = line.text.front() == '[';
        if (!header && line.equals != std::string_view::npos &&
            Streamed(AsciiOfValue(line.text.substr(line.equals + 1)))) {
            return false;
        }
    }
    return true;
}

}  // namespace vantiq
