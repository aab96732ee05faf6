#include "render/settings/streamed_values.h"

#include <gtest/gtest.h>

namespace vantiq {
namespace {

struct StoreText {
    const char* name;
    const char* text;
    bool accepted;
};

class StreamedValues : public ::testing::TestWithParam<StoreText> {};

TEST_P(StreamedValues, AreFoundHoweverTheValueIsWritten) {
    EXPECT_EQ(HoldsNoStreamedValue(GetParam().text), GetParam().accepted) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Stores, StreamedValues,
    ::testing::Values(StoreText{"Numbers", "[General]\nColor1=255\r\nColor08 = 16711680\n", true},
                      // What Qt writes back for strings with control characters, quotes or
                      // a NUL, and for a string that begins with '@'.
                      StoreText{"QtsOwnStrings",
                                "[General]\nA=\"a\\x2\\0\\x31\\\"\\\\b; c\"\nB=@String(1\\0x)\n"
                                "D=@ByteArray(xy)\n",
                                true},
                      // Keys, section names and comments are never decoded.
                      StoreText{"KeysSectionsComments",
                                "[@Variant(]\n@Variant(=1\n; @Variant(\\0)\nC=1 ;@Variant(\\0)\n",
                                true},
                      StoreText{"Variant", "[General]\nColor1=@Variant(\\0\\0\\0\\t)\n", false},
                      StoreText{"DateTime", "C=@DateTime(\\0)\n", false},
                      StoreText{"ListItem", "C=1, @Variant(\\0)\n", false},
                      StoreText{"QuotedOverALineBreak", "C=\"a\n@Variant(\"\n", false},
                      StoreText{"SplitByQuotesAndSpaces", "C=\"@Var\"  \"iant(\"\n", false},
                      StoreText{"SplitBySkippedEscapes", "C=@Var\\qi\\\n\rant(\n", false},
                      StoreText{"SplitByABrokenCharacter", "C=@Variant\xc3\\x28\\0)\n", false},
                      StoreText{"HexEscape", "C=\\x40Variant(\\0)\n", false},
                      StoreText{"OctalEscape", "C=\\100Variant(\\0)\n", false},
                      StoreText{"HexEscapeBeyond16Bits", "C=\\x10040Variant(\\0)\n", false},
                      StoreText{"AfterAByteOrderMark",
                                "\xef\xbb\xbf"
                                "C=@Variant(\\0)\n",
                                false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantiq
