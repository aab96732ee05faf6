#include "view/page_menu.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QWidget>

namespace vantiq {
namespace {

TEST(PageMenu, ExportActionsFollowTheSelection) {
    QWidget window;
    QMenu menu;
    PageMenu pages(&window, [] { return std::optional<PageContent>(); });
    pages.SetModuleSelected(false);  // before the actions exist: nothing to do
    pages.AddExportActions(&menu);
    const auto actions = menu.actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Export graphs page as PDF..."));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Export datasheet as PDF..."));
    pages.SetModuleSelected(false);
    EXPECT_FALSE(actions[0]->isEnabled());
    EXPECT_FALSE(actions[1]->isEnabled());
    pages.SetModuleSelected(true);
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_TRUE(actions[1]->isEnabled());
}

}  // namespace
}  // namespace vantiq
