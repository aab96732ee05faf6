#include "core/base/cp1251.h"

#include <gtest/gtest.h>

namespace vantiq {
namespace {

TEST(Cp1251, DecodesTheProgramsSignsAndCyrillic) {
    EXPECT_EQ(Cp1251ToUtf8("\xB0\xB1\xB9\xA9"), "°±№©");
    EXPECT_EQ(Cp1251ToUtf8("\xD2\xDD\xCC-127"), "ТЭМ-127");
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
}

TEST(Cp1251, EncodesWhatTheCodePageHoldsAndNothingElse) {
    EXPECT_EQ(Utf8ToCp1251("ТЭМ-127 ±°"), "\xD2\xDD\xCC-127 \xB1\xB0");
    EXPECT_FALSE(Utf8ToCp1251("模块"));
    EXPECT_FALSE(Utf8ToCp1251("\xC0\x80")) << "overlong encodings are not text";
    EXPECT_FALSE(Utf8ToCp1251("\xD0")) << "a cut sequence is not text";
    EXPECT_FALSE(Utf8ToCp1251("\xEF\xBF\xBD")) << "the replacement sign has no byte";
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (b == 0x98) {
            continue;
        }
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << b;
    }
}

TEST(Cp1251, RefusesMalformedUtf8) {
    for (const char* text : {
             "\x80",              // a continuation byte alone
             "A\xBF",             // the same after a letter
             "\xED\xA0\x80",      // a surrogate half
             "\xF4\x90\x80\x80",  // beyond U+10FFFF
             "\xF5\x80\x80\x80",  // a lead byte UTF-8 never uses
             "\xE2\x84",          // a cut three-byte sequence
             "\xF0\x9F\x98\x80",  // an emoji, valid but not in the code page
         }) {
        EXPECT_FALSE(Utf8ToCp1251(text)) << text;
    }
    EXPECT_EQ(Utf8ToCp1251(std::string_view("A\0B", 3)), std::string("A\0B", 3));
}

}  // namespace
}  // namespace vantiq
