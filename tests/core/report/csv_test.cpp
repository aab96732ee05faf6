#include "core/report/csv.h"

#include <gtest/gtest.h>

#include "core/report/numbers.h"
#include "test_support.h"

namespace vantiq {
namespace {

TEST(Csv, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(FormatCsvRow({"a", "b,c", "say \"hi\"", ""}), "a,\"b,c\",\"say \"\"hi\"\"\",\r\n");
}

TEST(Csv, ParsesWhatItWritesAndBothLineEnds) {
    const std::string text = FormatCsvRow({"x,y", "line\nbreak", "z"}) + "1,2,3\n\n4,5,6";
    const auto table = ParseCsv(text);
    ASSERT_EQ(test::ErrorText(table), "");
    ASSERT_EQ(table->size(), 3u);
    EXPECT_EQ((*table)[0], (CsvRow{"x,y", "line\nbreak", "z"}));
    EXPECT_EQ((*table)[2], (CsvRow{"4", "5", "6"}));
}

TEST(Csv, UnclosedQuoteNamesItsLine) {
    EXPECT_EQ(test::ErrorText(ParseCsv("a,b\nc,\"d\n")), "line 2: a quoted field is not closed");
}

TEST(Numbers, ShortestFormReadsBackExactly) {
    EXPECT_EQ(FormatShortest(0.1), "0.1");
    EXPECT_EQ(FormatShortest(6.12), "6.12");
    EXPECT_EQ(FormatShortest(0.06 * 102), "6.12");
    double sum = 0;
    for (int i = 0; i < 102; ++i) {
        sum += 0.06;
    }
    EXPECT_EQ(ParseStrictNumber(FormatShortest(sum)), sum);
}

TEST(Numbers, StrictReadingRejectsAnythingButANumber) {
    EXPECT_EQ(ParseStrictNumber("12.5"), 12.5);
    EXPECT_EQ(ParseStrictNumber("+3"), 3.0);
    EXPECT_EQ(ParseStrictNumber("-1e3"), -1000.0);
    for (const char* bad : {"", "abc", "12abc", " 1", "nan", "inf", "1e999", "+-1", "+"}) {
        EXPECT_FALSE(ParseStrictNumber(bad)) << bad;
    }
}

}  // namespace
}  // namespace vantiq
