// Which catalogue the window opens, and File > "Open catalogue...".
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

#include <filesystem>
#include <functional>

#include "app_fixture.h"
#include "core/base/base_file.h"
#include "gui/app/catalogue_places.h"
#include "gui/panel/module_dlg.h"

namespace vantiq::test {
namespace {

constexpr const char* kNotFound = "File not found or it's buzy by another process.";

class CatalogueSwitchTest : public AppFixture {
protected:
    // A catalogue of `count` copies of the worked example in the fixture's folder.
    QString SmallCatalogue(const char* name, int count) const {
        std::vector<CatalogueEntry> entries(count, {WorkedExampleModule("SMALL"), {}});
        return QString::fromStdString(WriteCatalogue(dir_.File(name), entries));
    }
    int ListedRows() const {
        return Find<QTreeView>(Frame().Panel(), "resultList")->model()->rowCount();
    }
    // Answers an open-file dialog with `path`.
    static std::function<void(QDialog*)> ChooseFile(const QString& path) {
        return [path](QDialog* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                QTimer::singleShot(0, files, [files, path] {
                    // selectFile() leaves the name box alone while it has
                    // the focus, as it has in a shown dialog.
                    files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                    static_cast<QDialog*>(files)->accept();  // QFileDialog's own is protected
                });
            }
        };
    }
    // Picks `path` in File > "Open catalogue..."; the message boxes shown.
    std::vector<ModalWatcher::Box> OpenThroughMenu(const QString& path) {
        ModalWatcher watcher(ChooseFile(path));
        Command(QStringLiteral("Open catalogue..."))->trigger();
        ProcessEvents();
        return watcher.Boxes();
    }
};

TEST_F(CatalogueSwitchTest, AnOpenedCatalogueReplacesTheOneInUseAndIsTriedFirstNextTime) {
    ASSERT_TRUE(Start());
    const std::string sample = dir_.File("Base.tmb");
    const QString small = SmallCatalogue("small.tmb", 3);
    EXPECT_EQ(Command(QStringLiteral("Open catalogue..."))->shortcut(), QKeySequence::Open);
    EXPECT_TRUE(OpenThroughMenu(small).empty());
    EXPECT_EQ(Base().count, 3u);
    EXPECT_EQ(ListedRows(), 3);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vantiq : SMALL <3 TEMs in base total>"));
    EXPECT_TRUE(BaseFile::OpenExclusive(sample)) << "the previous catalogue is released";
    EXPECT_FALSE(BaseFile::OpenExclusive(small.toStdString())) << "the new one is held";

    app_.reset();
    ASSERT_TRUE(Start()) << "Base.tmb is still in the current folder";
    EXPECT_EQ(Base().count, 3u) << "the remembered catalogue comes first";
}

TEST_F(CatalogueSwitchTest, TheNextCatalogueGoesOnCountingAnswers) {
    ASSERT_TRUE(Start());
    const int before = Session().State().answer.version;
    EXPECT_TRUE(OpenThroughMenu(SmallCatalogue("small.tmb", 3)).empty());
    EXPECT_FALSE(Session().State().answer.HasRequest());
    EXPECT_GT(Session().State().answer.version, before) << "a new answer would share a number";
}

TEST_F(CatalogueSwitchTest, ACatalogueThatFailsLeavesTheOneInUse) {
    ASSERT_TRUE(Start());
    const std::uint32_t count = Base().count;
    const double firstImax = Base().records[0].rated.imax;
    const QString title = Frame().windowTitle();
    const QString damaged = QString::fromStdString(dir_.File("damaged.tmb"));
    WriteBytes(damaged.toStdString(), {0, 0, 0, 0});
    const QString held = SmallCatalogue("held.tmb", 2);
    auto holder = BaseFile::OpenExclusive(held.toStdString());
    for (const QString& path : {damaged, held}) {
        const auto boxes = OpenThroughMenu(path);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].text.contains(path)) << "the message names the file";
        EXPECT_EQ(Base().count, count);
        EXPECT_EQ(Base().records[0].rated.imax, firstImax);
        EXPECT_EQ(ListedRows(), static_cast<int>(count));
        EXPECT_EQ(Frame().windowTitle(), title);
        EXPECT_FALSE(BaseFile::OpenExclusive(dir_.File("Base.tmb"))) << "still held";
    }
    EXPECT_TRUE(RememberedCatalogue().isEmpty()) << "a failed open is not remembered";
}

// Without a catalogue the start names every place it looked in, then offers
// the open dialog: cancelled, the program ends; a file chosen there opens
// and is tried first next time.
TEST_F(CatalogueSwitchTest, StartUpNamesEveryPlaceItLookedInAndOffersToOpenOne) {
    std::filesystem::remove(dir_.path() / "Base.tmb");
    {
        ModalWatcher watcher;  // cancels the open dialog
        EXPECT_FALSE(Start());
        ASSERT_EQ(watcher.Boxes().size(), 1u);
        const QString text = watcher.Boxes()[0].text;
        EXPECT_TRUE(text.startsWith(QLatin1String(kNotFound)));
        for (const std::string& path :
             {dir_.File("Base.tmb"), dir_.File("data/Kestrin/Vantiq/Base.tmb")}) {
            EXPECT_TRUE(text.contains(QString::fromStdString(path + ": not found")))
                << text.toStdString();
        }
    }
    const QString small = SmallCatalogue("chosen.tmb", 3);
    ModalWatcher watcher(ChooseFile(small));
    ASSERT_TRUE(Start());
    EXPECT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(Base().count, 3u);
    EXPECT_EQ(Frame().CataloguePath(), small);
    EXPECT_EQ(RememberedCatalogue(), small);
}

TEST_F(CatalogueSwitchTest, ACatalogueNamedAtStartIsOpenedWhereverItIs) {
    const QString small = SmallCatalogue("elsewhere.tmb", 2);
    std::filesystem::create_directories(dir_.path() / "config");
    cwd_.emplace(dir_.path() / "config");
    app_ = std::make_unique<CApp>(small.toStdString());
    ASSERT_TRUE(app_->InitInstance());
    EXPECT_EQ(Base().count, 2u);
    EXPECT_EQ(Frame().CataloguePath(), small);
}

}  // namespace
}  // namespace vantiq::test
