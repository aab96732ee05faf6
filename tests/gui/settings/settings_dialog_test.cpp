#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <fstream>

#include "app_fixture.h"
#include "gui/settings/color_static.h"
#include "gui/settings/settings_dialog.h"
#include "render/colors/color_store.h"

namespace vantiq::test {
namespace {

class SettingsDialogTest : public AppFixture {
protected:
    // Opens "Settings", clicks the I = Imax swatch, picks green in the colour
    // chooser, and leaves the dialog with `button`. Returns the message boxes shown.
    std::vector<ModalWatcher::Box> PickGreenAndPress(QDialogButtonBox::StandardButton button) {
        ModalWatcher watcher([this, button](QDialog* dialog) { Answer(dialog, button); });
        Command(QStringLiteral("Settings"))->trigger();
        ProcessEvents();
        return watcher.Boxes();
    }

    void Answer(QDialog* dialog, QDialogButtonBox::StandardButton button) {
        if (auto* chooser = qobject_cast<QColorDialog*>(dialog)) {
            chooserStartedWith_ = chooser->currentColor();
            chooser->setCurrentColor(Qt::green);
            QTimer::singleShot(0, chooser, &QDialog::accept);
            return;
        }
        swatchBefore_ = Find<CColorStatic>(dialog, "color1")->Color();
        QTimer::singleShot(0, dialog, [this, dialog, button] {
            QTest::mouseClick(Find<CColorStatic>(dialog, "color1"), Qt::LeftButton);
            PostedCallCounter posted(Frame().View());
            Find<QDialogButtonBox>(dialog, "buttons")->button(button)->click();
            ProcessEvents();
            viewNotified_ = posted.Count() > 0;
            colorsRightAfterOk_ = Frame().Colors();
        });
    }

    QColor swatchBefore_;
    QColor chooserStartedWith_;
    bool viewNotified_ = false;
    ColorSettings colorsRightAfterOk_;
};

TEST_F(SettingsDialogTest, OkStoresAllFiveAndTellsTheFrameAtOnce) {
    ASSERT_TRUE(Start());
    PickGreenAndPress(QDialogButtonBox::Ok);
    EXPECT_EQ(swatchBefore_, QColor(Qt::red));
    EXPECT_NE(chooserStartedWith_, QColor(Qt::red));
    ColorSettings expected;
    expected.color1 = 0x0000FF00;
    EXPECT_EQ(colorsRightAfterOk_, expected);
    EXPECT_EQ(LoadStoredColors().value_or(ColorSettings{}), expected);
    const QStringList stored =
        QSettings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq")).childKeys();
    EXPECT_EQ(stored.size(), 5) << "OK writes all five values";
    for (const QString& key : stored) {
        bool number = false;
        const QString text =
            QSettings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq")).value(key).toString();
        EXPECT_LE(text.toUInt(&number), 0x00FFFFFFu) << key.toStdString();
        EXPECT_TRUE(number) << key.toStdString() << " holds " << text.toStdString();
    }
    EXPECT_TRUE(viewNotified_);
}

TEST_F(SettingsDialogTest, CancelChangesNeitherTheColoursNorTheStore) {
    ASSERT_TRUE(Start());
    PickGreenAndPress(QDialogButtonBox::Cancel);
    EXPECT_EQ(Frame().Colors(), ColorSettings{});
    EXPECT_FALSE(viewNotified_);
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "config" / "Kestrin" / "Vantiq.conf"));
}

TEST_F(SettingsDialogTest, OkWithAStoreThatCannotBeWrittenSaysSoAndKeepsTheChosenColours) {
    ASSERT_TRUE(Start());
    // A file where the store's folder belongs stops every user, root too.
    std::filesystem::create_directories(dir_.path() / "config");
    std::ofstream(dir_.path() / "config" / "Kestrin") << "in the way";
    const auto boxes = PickGreenAndPress(QDialogButtonBox::Ok);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Error!");
    EXPECT_EQ(boxes[0].text,
              "The settings could not be saved. The new colours apply until the program is "
              "closed.");
    ColorSettings expected;
    expected.color1 = 0x0000FF00;
    EXPECT_EQ(Frame().Colors(), expected);
    EXPECT_TRUE(viewNotified_);
}

TEST_F(SettingsDialogTest, AnUnreadableStoreIsReportedAtStartAndDefaultsApply) {
    std::filesystem::create_directories(dir_.path() / "config" / "Kestrin" / "Vantiq.conf");
    ModalWatcher watcher;
    ASSERT_TRUE(Start());
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].title, "Error!");
    EXPECT_EQ(watcher.Boxes()[0].text, "Error loading settings!");
    EXPECT_EQ(Frame().Colors(), ColorSettings{});
}

}  // namespace
}  // namespace vantiq::test
