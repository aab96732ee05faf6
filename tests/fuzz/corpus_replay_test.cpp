// Replays every committed fuzz input, seeds and findings alike, through the
// same checks the fuzzer makes.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue_exercise.h"
#include "test_support.h"
#include "text_exercise.h"

namespace vantiq {
namespace {

TEST(FuzzCorpus, EveryInputKeepsTheReadersPromises) {
    std::size_t replayed = 0;
    for (const auto& file : std::filesystem::directory_iterator(VANTIQ_FUZZ_CORPUS_DIR)) {
        const std::string name = file.path().filename().string();
        const ExerciseReport report = ExerciseCatalogue(file.path().string(), 4);
        EXPECT_EQ(report.fault, "") << name;
        const auto bytes = test::ReadBytes(file.path().string());
        EXPECT_EQ(ExerciseText({reinterpret_cast<const char*>(bytes.data()), bytes.size()}), "")
            << name;
        if (name.starts_with("valid-")) {
            EXPECT_TRUE(report.loaded && report.underivable == 0) << name;
        }
        ++replayed;
    }
    EXPECT_GE(replayed, 20u);
}

}  // namespace
}  // namespace vantiq
