#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "app_fixture.h"
#include "cli/cli_app.h"
#include "core/report/csv.h"
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

    std::vector<CsvRow> Exported() {
        const QString path = QString::fromStdString(dir_.File("list.csv"));
        EXPECT_TRUE(WriteCsvFile(path, ListSheetCsv(Base(), panel_->List())));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return ParseCsv(file.readAll().toStdString()).value_or({});
    }

    CModuleDlg* panel_ = nullptr;
};

// The window's file is for spreadsheets: units in the headers and each
// value as the window shows it, which is the tool's exact value rounded to
// the digits written; the tool's own CSV keeps its exact values.
TEST_F(CsvExportTest, TheExportedListIsTheToolsSearchAtTheWindowsPrecision) {
    TypeOver(Find<QLineEdit>(panel_, "qEdit"), QStringLiteral("10"));
    TypeOver(Find<QLineEdit>(panel_, "widthEdit"), QStringLiteral("40"));
    Find<QComboBox>(panel_, "sortCombo")->setCurrentIndex(1);  // by Qmax
    Find<QRadioButton>(panel_, "ascendingRadio")->setChecked(true);
    QTest::mouseClick(Find<QAbstractButton>(panel_, "searchButton"), Qt::LeftButton);
    ProcessEvents();
    ASSERT_GT(panel_->List().size(), 3u);
    const std::vector<CsvRow> sheet = Exported();
    const std::vector<CsvRow> tool = ParseCsv(CliOutput({"search", "--q", "10", "--width", "40",
                                                         "--sort", "qmax", "--order", "asc"}))
                                         .value_or({});
    ASSERT_EQ(sheet.size(), tool.size());
    EXPECT_EQ(sheet[0], (CsvRow{"\u2116", "TEM name", "Imax (A)", "Umax (V)", "dTmax (\u00B0C)",
                                "Qmax (W)", "AC resistance (ohm)", "Pellets", "Width (mm)",
                                "Length (mm)", "Height (mm)"}));
    for (std::size_t r = 1; r < sheet.size(); ++r) {
        ASSERT_EQ(sheet[r].size(), tool[r].size() - 1) << "the tool's index column is left out";
        EXPECT_EQ(sheet[r][1], tool[r][2]);
        for (std::size_t c = 2; c < sheet[r].size(); ++c) {
            const std::string& shown = sheet[r][c];
            const auto point = shown.find('.');
            const int digits = point == std::string::npos ? 0 : int(shown.size() - point - 1);
            EXPECT_LE(std::fabs(std::stod(shown) - std::stod(tool[r][c + 1])),
                      0.5 * std::pow(10.0, -digits) * (1 + 1e-9))
                << shown << " for " << tool[r][c + 1];
            EXPECT_LE(digits, 3);
        }
    }
    EXPECT_TRUE(std::any_of(sheet.begin(), sheet.end(), [](const CsvRow& row) {
        return row[1].find("\xD0\xA2\xD0\xAD\xD0\x9C") != std::string::npos;
    })) << "names are written in UTF-8 (ТЭМ)";
    EXPECT_FALSE(WriteCsvFile(QString::fromStdString(dir_.File("no/such/dir/x.csv")), "x"));
}

}  // namespace
}  // namespace vantiq::test
