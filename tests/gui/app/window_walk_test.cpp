// A seeded random walk through the window: searches, hot-side steps,
// operating points and stacks, row clicks, header sorts, mode switches,
// "Show all", "Clear" and an added module, with every view checked after
// every action against what the core gives for the state the actions made.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

#include "app_fixture.h"
#include "core/base/cp1251.h"
#include "core/model/celsius.h"
#include "gui/app/catalogue_session.h"
#include "gui/panel/module_dlg.h"
#include "gui/view/answer_model.h"
#include "gui/view/answer_table.h"
#include "gui/view/frozen_table_view.h"
#include "list_oracle.h"
#include "render/pages/page_texts.h"
#include "window_model.h"

namespace vantiq::test {
namespace {

#ifdef VANTIQ_SANITIZED
// Under the sanitizers every action costs many times more.
constexpr int kActions = 60;
#else
constexpr int kActions = 300;
#endif

QString Text(double value) {
    return QString::number(value, 'f', 1);
}

class WindowWalk : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
        panel_ = Frame().Panel();
        model_.emplace(Base());
        Frame().resize(1400, 900);
        ProcessEvents();
    }

    std::uint32_t Pick(std::uint32_t n) {
        return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random_);
    }
    bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }
    template <typename T>
    T OneOf(std::initializer_list<T> values) {
        return *(values.begin() + Pick(static_cast<std::uint32_t>(values.size())));
    }

    void Log(const std::string& action) { actions_.push_back(action); }
    void Type(const char* box, double value) {
        TypeOver(Find<QLineEdit>(panel_, box), Text(value));
    }
    void Click(const char* button) {
        Find<QAbstractButton>(panel_, button)->click();
        ProcessEvents();
    }

    // The actions, each logged before it runs.
    void Search();
    void NextStep();
    void PreviousStep();
    void StepHotSide();
    void Advise();
    void ClickModuleRow();
    void ClickAnswerRow();
    void PressDown();
    void ClickHeader();
    void SwitchMode();
    void ShowAll();
    void Clear();
    void AddModule();
    void Act();

    // Every view against the model; the first difference is reported.
    bool Holds();
    bool CheckTable();
    bool CheckView();
    bool Fail(const std::string& what);

    CModuleDlg* panel_ = nullptr;
    std::optional<WindowModel> model_;
    std::mt19937 random_;
    std::vector<std::string> actions_;
    SearchCriteria typed_;
    int step_ = 1;
    int added_ = 0;
    std::string failure_;
};

void WindowWalk::Search() {
    typed_.requiredQ = OneOf({0.0, 1.0, 3.0, 5.0, 10.0, 20.0, 500.0});
    typed_.requiredDT = OneOf({0.0, 10.0, 30.0, 50.0, 70.0});
    typed_.supplyVoltage = OneOf({0.0, 5.0, 12.0, 15.0, 24.0});
    typed_.supplyCurrent = OneOf({0.0, 2.0, 6.0, 10.0});
    const bool take = Chance(50);
    std::ostringstream line;
    line << "search Q=" << typed_.requiredQ << " dT=" << typed_.requiredDT
         << " U=" << typed_.supplyVoltage << " I=" << typed_.supplyCurrent
         << (take ? " (taking offered points)" : "");
    Log(line.str());
    Type("qEdit", typed_.requiredQ);
    Type("dtEdit", typed_.requiredDT);
    Type("voltageEdit", typed_.supplyVoltage);
    Type("currentEdit", typed_.supplyCurrent);
    ModalWatcher watcher;
    if (take) {
        watcher.PressInBoxes(QStringLiteral("Show operating points"));
    }
    Click("searchButton");
    model_->Search(typed_);
    const bool offered = !watcher.Boxes().empty() && !watcher.Boxes()[0].informativeText.isEmpty();
    if (take && offered) {
        model_->TakeOfferedPoints();
    }
}

void WindowWalk::NextStep() {
    if (step_ == 5) {
        return;
    }
    Log("next step");
    ModalWatcher watcher;
    Click("nextButton");
    ++step_;
    model_->Search(typed_);
}

void WindowWalk::PreviousStep() {
    if (step_ == 1) {
        return;
    }
    Log("previous step");
    Click("prevButton");
    --step_;
}

void WindowWalk::StepHotSide() {
    auto* spin = Find<QSpinBox>(panel_, "thotSpin");
    if (Chance(25)) {
        const int celsius = OneOf({-50, -20, 0, 25, 40, 80, 100});
        Log("hot side typed " + std::to_string(celsius) + " °C");
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(celsius));
        QTest::keyClick(spin, Qt::Key_Return);
        ProcessEvents();
        if (Session().Thot() != model_->Thot()) {
            model_->SteppedTo(Session().Thot());
        }
        return;
    }
    const int by = OneOf({-2, -1, 1, 2});
    Log("hot side by " + std::to_string(by) + " K");
    for (int k = 0; k < std::abs(by); ++k) {
        if (by > 0) {
            spin->stepUp();
        } else {
            spin->stepDown();
        }
        ProcessEvents();
        // At either end of the range a step changes nothing.
        if (Session().Thot() != model_->Thot()) {
            model_->SteppedTo(Session().Thot());
        }
    }
}

void WindowWalk::Advise() {
    if (step_ < 5 || Chance(30)) {
        // Q and dT are typed in step 2, and every step on searches.
        while (step_ > 2) {
            PreviousStep();
        }
        while (step_ < 2) {
            NextStep();
        }
        typed_.requiredQ = OneOf({0.0, 0.5, 2.0, 5.0, 20.0, 300.0});
        typed_.requiredDT = OneOf({20.0, 40.0, 80.0});
        Log("type Q=" + Text(typed_.requiredQ).toStdString() +
            " dT=" + Text(typed_.requiredDT).toStdString());
        Type("qEdit", typed_.requiredQ);
        Type("dtEdit", typed_.requiredDT);
        while (step_ < 5) {
            NextStep();
        }
    }
    AdviceRequest request;
    request.criteria = typed_;
    const int kind = static_cast<int>(Pick(4));  // fixed, sink, two stages, fixed with a mass
    Find<QRadioButton>(panel_, kind == 1 ? "sinkRadio" : "fixedRadio")->click();
    Find<QCheckBox>(panel_, "stagesCheck")->setChecked(kind == 2);
    if (kind == 1) {
        request.sink = HeatSink{OneOf({25.0, 35.0}) + kCelsiusOffset, OneOf({0.2, 0.5, 1.0}),
                                OneOf({-5.0, 5.0, 15.0}) + kCelsiusOffset};
        Type("ambientEdit", request.sink->ambient - kCelsiusOffset);
        Type("sinkEdit", request.sink->resistance);
        Type("coldEdit", request.sink->cold - kCelsiusOffset);
        request.sinkLimits = true;
    }
    request.modules = kind == 2 ? 1 : OneOf({1, 2});
    Find<QSpinBox>(panel_, "modulesSpin")->setValue(request.modules);
    auto* mass = Find<QLineEdit>(panel_, "massEdit");
    mass->clear();
    if (kind >= 2 && Chance(70)) {
        request.coldMass = OneOf({50.0, 100.0});
        TypeOver(mass, Text(*request.coldMass));
    }
    const auto currents = kind == 2 ? std::optional(StageCurrents::Separate) : std::nullopt;
    std::ostringstream line;
    line << "operating points Q=" << request.criteria.requiredQ
         << " dT=" << request.criteria.requiredDT << " n=" << request.modules
         << (kind == 1 ? " with a sink" : "") << (currents ? " two stages" : "")
         << (request.coldMass ? " with a cold mass" : "");
    Log(line.str());
    ModalWatcher watcher;
    Click("adviseButton");
    model_->Advise(request, currents);
}

void WindowWalk::ClickModuleRow() {
    auto* list = Find<QTreeView>(panel_, "resultList");
    const int rows = RowCount(list);
    if (rows == 0) {
        return;
    }
    const int row = static_cast<int>(Pick(static_cast<std::uint32_t>(rows)));
    Log("click module row " + std::to_string(row));
    list->scrollTo(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowRect(list, row).center());
    ProcessEvents();
    model_->ClickModuleRow(row);
}

void WindowWalk::ClickAnswerRow() {
    const int rows = static_cast<int>(model_->AnswerRows());
    if (!Frame().Answer()->isVisible() || rows == 0) {
        return;
    }
    const int row = static_cast<int>(Pick(static_cast<std::uint32_t>(std::min(rows, 40))));
    Log("click answer row " + std::to_string(row));
    QTableView* view = Frame().Answer()->View();
    const QModelIndex index = view->model()->index(row, 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    ProcessEvents();
    model_->ClickAnswerRow(row);
}

void WindowWalk::PressDown() {
    const auto row = model_->ChosenRow();
    if (!Frame().Answer()->isVisible() || !row ||
        *row + 1 >= static_cast<int>(model_->AnswerRows())) {
        return;
    }
    Log("down arrow in the answer");
    QTest::keyClick(Frame().Answer()->View(), Qt::Key_Down);
    ProcessEvents();
    model_->ClickAnswerRow(*row + 1);
}

void WindowWalk::ClickHeader() {
    const int columns = model_->ShownColumnCount();
    if (!Frame().Answer()->isVisible() || !model_->HasAnswer()) {
        return;
    }
    const int column = static_cast<int>(Pick(static_cast<std::uint32_t>(columns)));
    Log("click header " + std::to_string(column));
    FrozenTableView* view = Frame().Answer()->View();
    QTableView* table = column == 0 ? view->Frozen() : view;
    if (column > 0) {
        view->scrollTo(view->model()->index(0, column));
    }
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(
        header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
               header->height() / 2));
    ProcessEvents();
    model_->ClickHeader(column);
}

void WindowWalk::SwitchMode() {
    const bool graph = Chance(70);
    Log(graph ? "view graph" : "view datasheet");
    Command(graph ? QStringLiteral("Graph") : QStringLiteral("Datasheet"))->trigger();
    ProcessEvents();
}

void WindowWalk::ShowAll() {
    Log("show all");
    Click("showAllButton");
    model_->ShowAll();
}

void WindowWalk::Clear() {
    Log("clear");
    Click("clearButton");
    model_->Clear();
    typed_ = {};
    step_ = 1;
}

void WindowWalk::AddModule() {
    if (added_ >= 2) {
        return;
    }
    const QString name = QStringLiteral("WALK-%1").arg(++added_);
    Log("add module " + name.toStdString());
    ModalWatcher watcher([name](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("name"))->setText(name);
        dialog->findChild<QSpinBox*>(QStringLiteral("couples"))->setValue(127);
        for (auto [field, value] : {std::pair{"imax", 6.4},
                                    {"umax", 15.4},
                                    {"dtmax", 66.0},
                                    {"qmax", 57.0},
                                    {"width", 40.0},
                                    {"length", 40.0}}) {
            dialog->findChild<QDoubleSpinBox*>(QString::fromLatin1(field))->setValue(value);
        }
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("&Add")) {
                button->click();
            }
        }
    });
    Command(QStringLiteral("Add module from datasheet..."))->trigger();
    ProcessEvents();
    model_->CatalogueReplaced();
}

void WindowWalk::Act() {
    switch (Pick(100) / 5) {
        case 0:
        case 1:
        case 2:
            Search();
            break;
        case 3:
            NextStep();
            break;
        case 4:
            PreviousStep();
            break;
        case 5:
        case 6:
            StepHotSide();
            break;
        case 7:
        case 8:
        case 9:
            Advise();
            break;
        case 10:
            ClickModuleRow();
            break;
        case 11:
        case 12:
            ClickAnswerRow();
            break;
        case 13:
            PressDown();
            break;
        case 14:
        case 15:
            ClickHeader();
            break;
        case 16:
            SwitchMode();
            break;
        case 17:
            ShowAll();
            break;
        case 18:
            Clear();
            break;
        default:
            Chance(15) ? AddModule() : SwitchMode();
            break;
    }
}

bool WindowWalk::Fail(const std::string& what) {
    failure_ = what;
    return false;
}

bool WindowWalk::Holds() {
    const CatalogueSession& session = Session();
    if (Frame().windowTitle().toStdString() != model_->Title()) {
        return Fail("title \"" + Frame().windowTitle().toStdString() + "\", expected \"" +
                    model_->Title() + "\"");
    }
    if (session.SelectedModule() != model_->Selected()) {
        return Fail("selected module " + std::to_string(session.SelectedModule()) + ", expected " +
                    std::to_string(model_->Selected()));
    }
    const QString status = Find<QLabel>(&Frame(), "listStatus")->text();
    if (!status.endsWith(QStringLiteral(" · ") + HotSideText(model_->StatusThot()))) {
        return Fail("status \"" + status.toStdString() + "\", expected the hot side " +
                    HotSideText(model_->StatusThot()).toStdString());
    }
    const QString why = Find<QLabel>(panel_, "whyLabel")->text();
    const QString expectedWhy = QString::fromStdString(model_->Why())
                                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                    .trimmed();
    if (why != expectedWhy || Find<QLabel>(panel_, "whyLabel")->isVisible() == why.isEmpty()) {
        return Fail("why-not text \"" + why.toStdString() + "\", expected \"" +
                    expectedWhy.toStdString() + "\"");
    }
    const QString criteria = Find<QPlainTextEdit>(panel_, "criteriaBox")->toPlainText();
    if (criteria.toStdString() != model_->Criteria()) {
        return Fail("criteria text \"" + criteria.toStdString() + "\", expected \"" +
                    model_->Criteria() + "\"");
    }
    const QStringList names = ColumnTexts(Find<QTreeView>(panel_, "resultList"), 1);
    if (names.size() != static_cast<qsizetype>(model_->List().size()) ||
        (!names.isEmpty() &&
         names.front().toStdString() != Cp1251ToUtf8(model_->List().Rows()[0]))) {
        return Fail("the modules list differs from the core's search for the values typed");
    }
    return CheckTable() && CheckView();
}

bool WindowWalk::CheckTable() {
    const AnswerTable& table = *Frame().Answer();
    if (table.isVisible() != model_->HasAnswer()) {
        return Fail(std::string("the table is ") + (table.isVisible() ? "open" : "closed"));
    }
    const AnswerState& answer = Session().State().answer;
    if (model_->Advised() &&
        (!answer.advised ||
         answer.advised->criteria.requiredQ != model_->Advised()->criteria.requiredQ ||
         answer.advised->criteria.supplyVoltage != model_->Advised()->criteria.supplyVoltage ||
         answer.advised->criteria.supplyCurrent != model_->Advised()->criteria.supplyCurrent)) {
        return Fail("the request did not use the values typed");
    }
    if (!model_->HasAnswer()) {
        return true;
    }
    const AnswerModel& cells = table.Model();
    const auto headers = model_->Headers();
    const auto expected = model_->Cells();
    if (cells.columnCount() != static_cast<int>(headers.size()) ||
        cells.rowCount() != static_cast<int>(expected.size())) {
        return Fail("the table has " + std::to_string(cells.rowCount()) + " rows of " +
                    std::to_string(cells.columnCount()) + " columns, expected " +
                    std::to_string(expected.size()) + " of " + std::to_string(headers.size()));
    }
    for (std::size_t c = 0; c < headers.size(); ++c) {
        const int column = static_cast<int>(c);
        if (cells.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString() !=
            headers[c]) {
            return Fail("header " + std::to_string(c) + " differs");
        }
        for (std::size_t r = 0; r < expected.size(); ++r) {
            const QModelIndex index = cells.index(static_cast<int>(r), column);
            if (cells.data(index, Qt::DisplayRole).toString().toStdString() != expected[r][c]) {
                return Fail("cell " + std::to_string(r) + ", " + std::to_string(c) + " reads \"" +
                            cells.data(index, Qt::DisplayRole).toString().toStdString() +
                            "\", expected \"" + expected[r][c] + "\"");
            }
        }
    }
    const auto chosen = model_->ChosenRow();
    const std::vector<int> picked = table.Picked();
    if (chosen ? picked != std::vector<int>{*chosen} : !picked.empty()) {
        return Fail("the table marks another row than the one chosen");
    }
    return true;
}

bool WindowWalk::CheckView() {
    const CChildView& view = *Frame().View();
    const auto& shown = view.Shown();
    if (shown.empty() || shown.front().module != model_->Selected()) {
        return Fail("the view shows another module than the title names");
    }
    const auto point = model_->Point();
    if (shown.front().thot != model_->ShownThot()) {
        return Fail("the view draws the module at " +
                    HotSideText(shown.front().thot).toStdString() + ", expected " +
                    HotSideText(model_->ShownThot()).toStdString());
    }
    if (shown.front().point.has_value() != point.has_value() ||
        (point && (shown.front().point->power != point->power ||
                   shown.front().point->index != point->index))) {
        return Fail(point ? "the view marks another point than the row chosen"
                          : "the view marks a point while no row is chosen");
    }
    if (view.Mode() == DisplayMode::Graph) {
        const QString name =
            DisplayName(Base().records.at(static_cast<std::size_t>(model_->Selected())));
        if (!view.Header().startsWith(name) ||
            !view.Header().contains(HotSideText(model_->ShownThot()))) {
            return Fail("the graph header reads \"" + view.Header().toStdString() + "\"");
        }
    }
    return true;
}

TEST_F(WindowWalk, EveryViewFollowsTheSessionThroughARandomWalk) {
    const char* given = std::getenv("VANTIQ_WALK_SEED");
    const auto seed = given != nullptr
                          ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10))
                          : static_cast<std::uint32_t>(
                                std::chrono::steady_clock::now().time_since_epoch().count());
    random_.seed(seed);
    std::cout << "WindowWalk seed " << seed << " (VANTIQ_WALK_SEED=" << seed << " repeats it)"
              << std::endl;
    Command(QStringLiteral("Graph"))->trigger();
    ProcessEvents();
    ASSERT_TRUE(Holds()) << failure_;
    int done = 0;
    while (done < kActions) {
        const std::size_t before = actions_.size();
        Act();
        if (actions_.size() == before) {
            continue;  // the action did not apply in this state
        }
        done = static_cast<int>(actions_.size());
        if (!Holds()) {
            std::ostringstream steps;
            for (std::size_t k = 0; k < actions_.size(); ++k) {
                steps << "  " << k + 1 << ". " << actions_[k] << "\n";
            }
            FAIL() << "after action " << actions_.size() << ": " << failure_ << "\nseed " << seed
                   << ", actions:\n"
                   << steps.str();
        }
    }
    std::cout << "WindowWalk: " << done << " actions" << std::endl;
}

}  // namespace
}  // namespace vantiq::test
