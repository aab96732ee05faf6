// Replays every committed settings store the fuzzer keeps through its checks.
#include <gtest/gtest.h>

#include <filesystem>

#include "render/colors/color_store.h"
#include "settings_exercise.h"
#include "test_support.h"

namespace vantiq {
namespace {

TEST(FuzzCorpus, EverySettingsStoreKeepsTheReadersPromises) {
    const test::TempDir scratch;
    std::size_t replayed = 0;
    const auto corpus = std::filesystem::path(VANTIQ_FUZZ_CORPUS_DIR) / "vantiq_settings_fuzzer";
    for (const auto& file : std::filesystem::directory_iterator(corpus)) {
        const auto bytes = test::ReadBytes(file.path().string());
        const std::string name = file.path().filename().string();
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        EXPECT_EQ(ExerciseSettingsStore(text, scratch.path()), "") << name;
        ++replayed;
    }
    EXPECT_GE(replayed, 10u);
}

}  // namespace
}  // namespace vantiq
