#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <sstream>

#include "app_fixture.h"
#include "cli/cli_app.h"
#include "core/report/list_table.h"
#include "gui/app/csv_export.h"
#include "gui/panel/module_dlg.h"

namespace vantiq::test {
namespace {

class CsvExportTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
        panel_ = Frame().Panel();
    }

    std::string CliOutput(std::vector<std::string> args) {
        // The program holds its catalogue locked; the tool reads a copy.
        std::filesystem::create_directory(dir_.path() / "cli");
        CopySampleBase(dir_.path() / "cli");
        args.insert(args.begin(), {"--base", dir_.File("cli/Base.tmb")});
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err), 0) << err.str();
        return out.str();
    }

    std::string Exported() {
        const QString path = QString::fromStdString(dir_.File("list.csv"));
        EXPECT_TRUE(WriteCsvFile(path, ListCsv(Base(), panel_->List())));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().toStdString();
    }

    CModuleDlg* panel_ = nullptr;
};

TEST_F(CsvExportTest, TheExportedListIsWhatTheCommandLineToolPrintsForTheSameSearch) {
    TypeOver(Find<QLineEdit>(panel_, "qEdit"), QStringLiteral("10"));
    TypeOver(Find<QLineEdit>(panel_, "widthEdit"), QStringLiteral("40"));
    Find<QComboBox>(panel_, "sortCombo")->setCurrentIndex(1);  // by Qmax
    Find<QRadioButton>(panel_, "ascendingRadio")->setChecked(true);
    QTest::mouseClick(Find<QAbstractButton>(panel_, "searchButton"), Qt::LeftButton);
    ProcessEvents();
    ASSERT_GT(panel_->List().size(), 3u);
    const std::string exported = Exported();
    EXPECT_EQ(exported, CliOutput({"search", "--q", "10", "--width", "40", "--sort", "qmax",
                                   "--order", "asc"}));
    EXPECT_NE(exported.find("\xD0\xA2\xD0\xAD\xD0\x9C"), std::string::npos)
        << "names are written in UTF-8 (ТЭМ)";
    EXPECT_FALSE(WriteCsvFile(QString::fromStdString(dir_.File("no/such/dir/x.csv")),
                              ListCsv(Base(), panel_->List())));
}

}  // namespace
}  // namespace vantiq::test
