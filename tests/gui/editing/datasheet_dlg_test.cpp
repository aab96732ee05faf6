#include "gui/editing/datasheet_dlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>
#include <cstdlib>

#include "app_fixture.h"
#include "core/fit/ratings_csv.h"
#include "core/model/celsius.h"
#include "gui/editing/import_dlg.h"

namespace vantiq {
namespace {

// Saves the dialog as a PNG where VANTIQ_SHOTS names a folder, for looking
// at it as a user would.
void Shoot(QWidget* widget, const char* name) {
    if (const char* folder = std::getenv("VANTIQ_SHOTS")) {
        widget->grab().save(QString::fromUtf8(folder) + QLatin1Char('/') + QLatin1String(name));
    }
}

void Type(QDialog* dialog, const char* field, double value) {
    auto* box = dialog->findChild<QDoubleSpinBox*>(QLatin1String(field));
    ASSERT_NE(box, nullptr) << field;
    box->setValue(value);
}

QPushButton* Button(QDialog* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

using DatasheetDialog = test::AppFixture;

// A datasheet typed into the dialog is fitted as it is typed, refused with
// the reason while implausible, and "Add" writes it into the open catalogue,
// which the window reads, derives and lists again.
TEST_F(DatasheetDialog, AddsATypedModuleToTheOpenCatalogue) {
    ASSERT_TRUE(Start());
    const std::uint32_t before = Base().count;
    bool seen = false;
    test::ModalWatcher watcher([&](QDialog* dialog) {
        if (!qobject_cast<CDatasheetDlg*>(dialog) || seen)
            return;
        seen = true;
        dialog->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("VQX-127"));
        dialog->findChild<QSpinBox*>(QStringLiteral("couples"))->setValue(254);
        for (auto [field, value] : {std::pair{"imax", 6.4},
                                    {"umax", 15.4},
                                    {"dtmax", 66.0},
                                    {"qmax", 57.0},
                                    {"width", 40.0},
                                    {"length", 40.0}})
            Type(dialog, field, value);
        const QString refused = dialog->findChild<QLabel*>(QStringLiteral("result"))->text();
        EXPECT_TRUE(refused.contains(QStringLiteral("were pellets counted")))
            << refused.toStdString();
        QPushButton* add = Button(dialog, QStringLiteral("&Add"));
        EXPECT_FALSE(add->isEnabled());
        Shoot(dialog, "add-dialog-pellets-as-couples.png");
        dialog->findChild<QSpinBox*>(QStringLiteral("couples"))->setValue(127);
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("pellets"))->text(),
                  QStringLiteral("pellets: 254"));
        const QString fitted = dialog->findChild<QLabel*>(QStringLiteral("result"))->text();
        EXPECT_TRUE(fitted.contains(QStringLiteral("Qmax (W)"))) << fitted.toStdString();
        EXPECT_TRUE(fitted.contains(QStringLiteral("legs assumed"))) << fitted.toStdString();
        EXPECT_TRUE(add->isEnabled());
        Shoot(dialog, "add-dialog-fitted.png");
        add->click();
    });
    Command(QStringLiteral("Add module from datasheet..."))->trigger();
    ASSERT_TRUE(seen);
    EXPECT_TRUE(watcher.Boxes().empty()) << watcher.Boxes().front().text.toStdString();
    ASSERT_EQ(Base().count, before + 1);
    const TemRecord& added = Base().records.back();
    EXPECT_EQ(added.Name(), "VQX-127");
    EXPECT_TRUE(added.rated.derivable);
    EXPECT_NEAR(added.rated.imax, 6.4, 0.032) << "derived at the rated 25 °C";
    Shoot(&Frame(), "window-after-add.png");
}

TEST_F(DatasheetDialog, ImportPreviewsEveryRowBeforeWriting) {
    ASSERT_TRUE(Start());
    const auto rows = ParseRatingsCsv(
        "name,couples,rated_thot_c,imax,umax,dtmax,qmax,width,length,height\n"
        "VQX-A,127,25,6.4,15.4,66,57,40,40,3.8\n"
        "VQX-B,128,25,15.4,15.8,68,151,62,62,4.6\n"
        "VQX-C,127,25,6.4,15.4,110,57,40,40,3.8\n");
    ASSERT_TRUE(rows.ok());
    CImportDlg dialog(*rows, &Frame());
    dialog.show();
    test::ProcessEvents();
    Shoot(&dialog, "import-dialog.png");
    EXPECT_FALSE(Button(&dialog, QStringLiteral("&Import"))->isEnabled())
        << "a row cannot be fitted";
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("summary"))
                    ->text()
                    .startsWith(QStringLiteral("1 of 3 rows cannot be added")));
    EXPECT_TRUE(dialog.Entries().empty());
}

}  // namespace
}  // namespace vantiq
