// The window's list and `vantiq-cli search` are one list path: the same
// request gives the same rows in the same order, ties included.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <sstream>

#include "app_fixture.h"
#include "cli/cli_app.h"
#include "gui/panel/module_dlg.h"
#include "list_oracle.h"

namespace vantiq::test {
namespace {

struct Request {
    const char* name;
    int thotCelsius;
    // Box name and text typed into it; the CLI option of the same value.
    std::vector<std::pair<const char*, const char*>> boxes;
    std::vector<std::string> options;
    bool resistanceMode;  // with a tolerance of 20 %
    int sortKey;          // index of the sort combo
    bool ascending;
};

// "row,name" of every CSV row the CLI prints after its header.
QStringList CliRows(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(args, out, err), 0) << err.str();
    QStringList rows = QString::fromStdString(out.str()).split(QStringLiteral("\r\n"));
    rows.removeFirst();  // the header
    rows.removeAll(QString());
    for (QString& row : rows) {
        const QStringList fields = row.split(QLatin1Char(','));
        row = fields[0] + QLatin1Char(',') + fields[2];
    }
    return rows;
}

QStringList WindowRows(const QTreeWidget* list) {
    QStringList rows;
    const QStringList numbers = ColumnTexts(list, 0);
    const QStringList names = ColumnTexts(list, 1);
    for (int k = 0; k < numbers.size(); ++k) {
        rows << numbers[k] + QLatin1Char(',') + names[k];
    }
    return rows;
}

class ListAgreementTest : public AppFixture, public ::testing::WithParamInterface<Request> {};

TEST_P(ListAgreementTest, WindowListsTheRowsTheCliPrints) {
    const Request& request = GetParam();
    ASSERT_TRUE(Start());
    CModuleDlg* panel = Frame().Panel();
    Find<QSpinBox>(panel, "thotSpin")->setValue(273 + request.thotCelsius);
    for (const auto& [box, text] : request.boxes) {
        TypeOver(Find<QLineEdit>(panel, box), QString::fromUtf8(text));
    }
    if (request.resistanceMode) {
        QTest::mouseClick(Find<QRadioButton>(panel, "resistanceRadio"), Qt::LeftButton);
        Find<QComboBox>(panel, "toleranceCombo")->setCurrentIndex(3);  // ±20%
    }
    Find<QComboBox>(panel, "sortCombo")->setCurrentIndex(request.sortKey);
    Find<QRadioButton>(panel, request.ascending ? "ascendingRadio" : "descendingRadio")
        ->setChecked(true);
    ModalWatcher watcher;
    QTest::mouseClick(Find<QPushButton>(panel, "searchButton"), Qt::LeftButton);
    ProcessEvents();

    std::vector<std::string> args = {"--base", VANTIQ_SAMPLE_BASE, "--thot-c",
                                     std::to_string(request.thotCelsius), "search"};
    args.insert(args.end(), request.options.begin(), request.options.end());
    const QStringList expected = CliRows(args);
    ASSERT_GT(expected.size(), 1) << "a request with a choice of rows";
    EXPECT_EQ(WindowRows(Find<QTreeWidget>(panel, "resultList")), expected);
}

const char* const kSortNames[] = {"name", "qmax", "pellets", "imax", "umax"};

Request Make(const char* name, int thot, std::vector<std::pair<const char*, const char*>> boxes,
             std::vector<std::string> options, bool resistance, int key, bool ascending) {
    options.insert(options.end(),
                   {"--sort", kSortNames[key], "--order", ascending ? "asc" : "desc"});
    return {name, thot, std::move(boxes), std::move(options), resistance, key, ascending};
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ListAgreementTest,
    ::testing::Values(
        Make("SupplyByQmaxAscending", 25,
             {{"qEdit", "5"}, {"dtEdit", "30"}, {"voltageEdit", "14"}, {"currentEdit", "12"}},
             {"--q", "5", "--dt", "30", "--supply-voltage", "14", "--supply-current", "12"}, false,
             1, true),
        // Many modules share a pellet count: the exchange sort's order of ties.
        Make("EveryModuleByPelletsDescending", 25, {}, {}, false, 2, false),
        Make("ResistanceByUmaxAtFiftyDegrees", 50, {{"resistanceEdit", "1.2"}},
             {"--mode", "resistance", "--resistance", "1.2", "--tolerance", "20"}, true, 4, false),
        Make("NameAndHeightByImaxAscending", -20, {{"nameEdit", "127"}, {"heightEdit", "4"}},
             {"--name", "127", "--height", "4"}, false, 3, true)),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantiq::test
