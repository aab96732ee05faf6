#include "settings/color_store.h"

#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace vantiq {
namespace {

class ColorStore : public ::testing::Test {
protected:
    // The settings go to Qt's test location, never to the user's own.
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        Store().clear();
    }
    void TearDown() override {
        Store().clear();
        QStandardPaths::setTestModeEnabled(false);
    }
    static QSettings Store() {
        return QSettings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"));
    }
};

TEST_F(ColorStore, ReadsStoredNumbersAndKeepsDefaultsForTheRest) {
    {
        QSettings store = Store();
        store.setValue(QStringLiteral("Color1"), 0x00112233u);
        store.setValue(QStringLiteral("Color08"), QStringLiteral("blue"));
        store.setValue(QStringLiteral("Color04"), 4294967296.0);
        store.setValue(QStringLiteral("Color02"), 0u);
    }
    bool unreadable = true;
    const ColorSettings colors = LoadStoredColors(&unreadable);
    EXPECT_FALSE(unreadable);
    ColorSettings expected;
    expected.color1 = 0x00112233;
    expected.color02 = 0;
    EXPECT_EQ(colors, expected);
}

TEST_F(ColorStore, AnEmptyStoreGivesTheDefaults) {
    EXPECT_EQ(LoadStoredColors(), ColorSettings());
}

}  // namespace
}  // namespace vantiq
