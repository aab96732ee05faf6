#include "core/base/safe_text.h"

#include <gtest/gtest.h>

namespace vantiq {
namespace {

struct EscapeCase {
    const char* what;
    std::string text;
    std::string shown;
};

TEST(EscapeControls, ShowsEveryControlAndStrayByteAsItsCode) {
    const EscapeCase cases[] = {
        {"plain text and punctuation", "TEC1-12706 (40x40) 'a' \\ b",
         "TEC1-12706 (40x40) 'a' \\ b"},
        {"Cyrillic and other letters", "ТЭМ-127 µ 模块 😀", "ТЭМ-127 µ 模块 😀"},
        {"a terminal escape sequence", "A\x1b[2J\x1b]0;owned\x07", "A\\x1b[2J\\x1b]0;owned\\x07"},
        {"line ends, tab and NUL", std::string("a\r\nb\tc\0d", 8), "a\\x0d\\x0ab\\x09c\\x00d"},
        {"DEL", "a\x7f", "a\\x7f"},
        {"C1 controls in UTF-8 (CSI, NEL)",
         "a\xc2\x9b"
         "31m\xc2\x85",
         "a\\x9b31m\\x85"},
        {"the first character after C1", "\xc2\xa0", "\xc2\xa0"},
        {"a raw C1 byte, not UTF-8",
         "a\x9b"
         "31m",
         "a\\x9b31m"},
        {"a Windows-1251 byte, not UTF-8", "\xd2\xdd\xcc", "\\xd2\\xdd\\xcc"},
        {"a sequence cut short at the end", "ab\xe2\x82", "ab\\xe2\\x82"},
        {"an overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
        {"a surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
        {"beyond U+10FFFF", "\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},
    };
    for (const EscapeCase& c : cases) {
        EXPECT_EQ(EscapeControls(c.text), c.shown) << c.what;
    }
}

}  // namespace
}  // namespace vantiq
