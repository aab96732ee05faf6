#include "core/base/safe_text.h"

namespace vantiq {
namespace {

void AppendEscaped(std::string& out, unsigned value) {
    constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[(value >> 4) & 0xF];
    out += kHex[value & 0xF];
}

// The length a lead byte announces; 0 for a byte that cannot start a sequence.
std::size_t LeadLength(unsigned lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead < 0xC2 || lead >= 0xF5) {
        return 0;
    }
    return lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
// Overlong forms, surrogates and values beyond U+10FFFF are not well formed.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    const std::size_t length = LeadLength(lead);
    if (length == 0 || length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const unsigned second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text[0]);
        const std::size_t length = SequenceLength(text);
        if (length == 0) {
            AppendEscaped(out, lead);
            text.remove_prefix(1);
            continue;
        }
        const bool c0OrDel = length == 1 && (lead < 0x20 || lead == 0x7F);
        // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8.
        const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0;
        if (c0OrDel || c1) {
            AppendEscaped(out, c1 ? static_cast<unsigned char>(text[1]) : lead);
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace vantiq
