#include "basetool/catalogue_csv.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace vantiq {
namespace {

const std::string kHeader =
    "name,nominal_current,pellet_count,pellet_length,pellet_side,width,length,height,"
    "electrical_conductivity,seebeck_coefficient,thermal_conductivity,picture\n";

TEST(CatalogueCsv, ReadsEveryFieldAndEncodesTheName) {
    const auto source =
        ParseCatalogueCsv(kHeader + "ТЭМ-127,6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,a.png\n");
    ASSERT_EQ(test::ErrorText(source), "");
    ASSERT_EQ(source->size(), 1u);
    const TemRecord& r = (*source)[0].entry.record;
    EXPECT_EQ(r.Name(), "\xD2\xDD\xCC-127");
    EXPECT_EQ(r.file.nominalCurrent, 6.0);
    EXPECT_EQ(r.file.pelletCount, 127u);
    EXPECT_EQ(r.file.pelletSide, 0.0014);
    EXPECT_EQ(r.file.height, 3.8);
    EXPECT_EQ(r.file.thermalConductivity, 1.5);
    EXPECT_EQ((*source)[0].pictureFile, "a.png");
}

// Thirty Cyrillic letters: 60 bytes of UTF-8, 30 of Windows-1251.
const std::string kCyrillic30 = "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ";

TEST(CatalogueCsv, ErrorsNameTheRow) {
    const std::string good = "A,6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n";
    const struct {
        std::string row;
        std::string error;
    } cases[] = {
        {"B,six,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: nominal_current is not a number: 'six'"},
        {"B,6,12.5,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: pellet_count must be a whole number from 0 to 4294967295"},
        {"B,6,127\n", "row 2: expected 12 fields, found 3"},
        {"模块,6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: the name '模块' holds a character Windows-1251 lacks"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234,6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: the name 'ABCDEFGHIJKLMNOPQRSTUVWXYZ1234' is longer than 29 bytes"},
        {kCyrillic30 + ",6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: the name '" + kCyrillic30 + "' is longer than 29 bytes"},
        {"B,nan,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: nominal_current is not a number: 'nan'"},
        {"B,6,127,0.0016,0.0014,40,40,3.8,inf,2e-4,1.5,\n",
         "row 2: electrical_conductivity is not a number: 'inf'"},
        {"B,6,-1,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: pellet_count must be a whole number from 0 to 4294967295"},
        {std::string("B\0C", 3) + ",6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: the name 'B\\x00C' holds a NUL character"},
        {"B,\x1b]0;owned\x07,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n",
         "row 2: nominal_current is not a number: '\\x1b]0;owned\\x07'"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::ErrorText(ParseCatalogueCsv(kHeader + good + c.row)), c.error);
    }
    EXPECT_EQ(test::ErrorText(ParseCatalogueCsv(
                  kHeader + "ABCDEFGHIJKLMNOPQRSTUVWXYZ123,6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,"
                            "1.5,\n")),
              "")
        << "29 bytes fit";
    const auto cyrillic29 = ParseCatalogueCsv(kHeader + kCyrillic30.substr(2) +
                                              ",6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n");
    ASSERT_EQ(test::ErrorText(cyrillic29), "") << "the limit counts Windows-1251 bytes, not UTF-8";
    EXPECT_EQ((*cyrillic29)[0].entry.record.Name(), std::string(29, '\xC6'));
}

TEST(CatalogueCsv, RejectsAWrongHeader) {
    EXPECT_EQ(test::ErrorText(ParseCatalogueCsv("name,current\n")),
              "the header must name the 12 columns");
    EXPECT_EQ(test::ErrorText(ParseCatalogueCsv(kHeader)), "the catalogue source holds no module");
}

}  // namespace
}  // namespace vantiq
