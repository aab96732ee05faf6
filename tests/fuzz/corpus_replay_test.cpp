// Replays every committed fuzz input, seeds and findings alike, through the
// same checks the fuzzers make.
#include <gtest/gtest.h>

#include <filesystem>

#include "basetool/catalogue_csv.h"
#include "catalogue_exercise.h"
#include "csv_exercise.h"
#include "test_support.h"
#include "text_exercise.h"

namespace vantiq {
namespace {

std::filesystem::path Corpus(const char* target) {
    return std::filesystem::path(VANTIQ_FUZZ_CORPUS_DIR) / target;
}

std::string Text(const std::filesystem::path& file) {
    const auto bytes = test::ReadBytes(file.string());
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(FuzzCorpus, EveryCatalogueFileKeepsTheReadersPromises) {
    std::size_t replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(Corpus("vantiq_base_fuzzer"))) {
        const std::string name = file.path().filename().string();
        const ExerciseReport report = ExerciseCatalogue(file.path().string(), 4);
        EXPECT_EQ(report.fault, "") << name;
        EXPECT_EQ(ExerciseText(Text(file.path())), "") << name;
        if (name.starts_with("valid-")) {
            EXPECT_TRUE(report.loaded && report.underivable == 0) << name;
        }
        ++replayed;
    }
    EXPECT_GE(replayed, 20u);
}

TEST(FuzzCorpus, EveryCatalogueSourceKeepsTheReadersPromises) {
    std::size_t replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(Corpus("vantiq_csv_fuzzer"))) {
        const std::string name = file.path().filename().string();
        const std::string text = Text(file.path());
        EXPECT_EQ(ExerciseCatalogueCsv(text), "") << name;
        if (name.starts_with("valid-")) {
            EXPECT_TRUE(ParseCatalogueCsv(text).ok()) << name;
        }
        ++replayed;
    }
    EXPECT_GE(replayed, 15u);
}

}  // namespace
}  // namespace vantiq
