#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "gui/app/load_progress_dialog.h"
#include "gui_test_support.h"

namespace vantiq::test {
namespace {

struct ProgressCase {
    std::uint32_t count;
    const char* countLine;
};

class LoadProgressDialogTest : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(LoadProgressDialogTest, TheBarCoversTheWholeCount) {
    LoadProgressDialog dialog;
    dialog.Started(GetParam().count);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Vantiq starting...");
    EXPECT_EQ(dialog.findChild<QLabel*>("countLine")->text(), GetParam().countLine);
    EXPECT_EQ(dialog.findChild<QProgressBar*>("progressBar")->maximum(),
              static_cast<int>(GetParam().count));
    dialog.Advanced(GetParam().count / 2);
    EXPECT_EQ(dialog.Value(), static_cast<int>(GetParam().count / 2));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, LoadProgressDialogTest,
    ::testing::Values(ProgressCase{1, "1 base entries detected...decompressing..."},
                      ProgressCase{65536, "65536 base entries detected...decompressing..."},
                      ProgressCase{100000, "100000 base entries detected...decompressing..."}));

}  // namespace
}  // namespace vantiq::test
