#include "gui/editing/datasheet_dlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app_fixture.h"
#include "core/base/catalogue_reader.h"
#include "core/base/cp1251.h"
#include "core/editing/catalogue_update.h"
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
        EXPECT_TRUE(
            fitted.contains(QStringLiteral("datasheet and model part by up to 1.4 % "
                                           "(Umax);<br>cooling overstated by up to 1.4 %")))
            << fitted.toStdString();
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
    EXPECT_NEAR(added.rated.imax, 6.312, 0.005) << "derived at the rated 25 °C, 1.4 % below";
    const auto kept = ReadCatalogue(BackupPathOf(Frame().CataloguePath().toStdString()));
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept->count, before) << "the catalogue before the addition is kept";
    Shoot(&Frame(), "window-after-add.png");
}

// File > "Remove module from catalogue..." asks, naming the module shown and
// the count after, then writes the catalogue without it and keeps the one
// before as Base.tmb.bak; a removal whose write fails keeps the catalogue.
TEST_F(DatasheetDialog, RemovesTheModuleShownAndKeepsThePreviousCatalogue) {
    ASSERT_TRUE(Start());
    const std::string path = Frame().CataloguePath().toStdString();
    const std::string backup = BackupPathOf(path);
    const std::uint32_t before = Base().count;
    const std::string name(Session().SelectedRecord()->Name());
    const std::vector<unsigned char> bytes = test::ReadBytes(path);
    test::ModalWatcher watcher;
    watcher.PressInBoxes(QStringLiteral("&Yes"));

    std::filesystem::create_directory(backup);  // the backup cannot be written
    Command(QStringLiteral("Remove module from catalogue..."))->trigger();
    ASSERT_EQ(watcher.Boxes().size(), 2u);
    EXPECT_TRUE(watcher.Boxes()[0].text.contains(
        QStringLiteral("Remove \"%1\" from the catalogue? It will then hold %2 modules")
            .arg(QString::fromStdString(Cp1251ToUtf8(name)))
            .arg(before - 1)))
        << watcher.Boxes()[0].text.toStdString();
    EXPECT_EQ(Base().count, before);
    EXPECT_EQ(test::ReadBytes(path), bytes);
    std::filesystem::remove(backup);

    Command(QStringLiteral("Remove module from catalogue..."))->trigger();
    ASSERT_EQ(Base().count, before - 1);
    for (const TemRecord& record : Base().records)
        EXPECT_NE(record.Name(), name);
    EXPECT_EQ(test::ReadBytes(backup), bytes);
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
