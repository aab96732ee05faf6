#include "gui/panel/module_dlg.h"

#include <QButtonGroup>
#include <QMessageBox>
#include <QShortcut>

#include <algorithm>

#include "core/advisor/advice_check.h"
#include "core/advisor/advice_text.h"
#include "core/advisor/advisor.h"
#include "core/advisor/pull_down.h"
#include "core/advisor/shortfall.h"
#include "core/advisor/why_not_text.h"
#include "core/base/cp1251.h"
#include "core/selection/criteria_text.h"
#include "core/selection/list_actions.h"
#include "core/stack/stack_order.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_reach.h"
#include "core/stack/stack_search.h"
#include "gui/panel/answer_actions.h"
#include "gui/panel/step_dlg1.h"
#include "gui/panel/step_dlg2.h"
#include "gui/panel/step_dlg3.h"
#include "gui/panel/step_dlg4.h"
#include "gui/panel/step_dlg5.h"
#include "render/pages/page_texts.h"
#include "ui_module_dlg.h"

namespace vantiq {
namespace {

constexpr int kFirstStep = 1;
constexpr int kLastStep = 5;
constexpr int kPanelWidth = 264;

QString Shown(const std::string& bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

}  // namespace

CModuleDlg::CModuleDlg(TemBase& base, RecordSource& records, QWidget* parent)
    : QWidget(parent),
      base_(base),
      records_(records),
      ui_(std::make_unique<Ui::ModuleDlg>()),
      page1_(new CStepDlg1(this)),
      page2_(new CStepDlg2(this)),
      page3_(new CStepDlg3(this)),
      page4_(new CStepDlg4(this)),
      page5_(new CStepDlg5(this)),
      direction_(new QButtonGroup(this)) {
    ui_->setupUi(this);
    for (QWidget* page : {static_cast<QWidget*>(page1_), static_cast<QWidget*>(page2_),
                          static_cast<QWidget*>(page3_), static_cast<QWidget*>(page4_),
                          static_cast<QWidget*>(page5_)}) {
        ui_->pages->addWidget(page);
    }
    ui_->whyLabel->hide();
    direction_->addButton(ui_->descendingRadio, 0);
    direction_->addButton(ui_->ascendingRadio, 1);
    ConnectControls();
    // Wider where the fonts need it, so that no label of any step is cut.
    setFixedWidth(std::max(kPanelWidth, minimumSizeHint().width()));
}

CModuleDlg::~CModuleDlg() = default;

void CModuleDlg::ConnectControls() {
    connect(ui_->searchButton, &QPushButton::clicked, this, &CModuleDlg::RunSearch);
    connect(ui_->nameEdit, &QLineEdit::returnPressed, this, &CModuleDlg::RunSearch);
    connect(ui_->showAllButton, &QPushButton::clicked, this, &CModuleDlg::ShowAllModules);
    connect(ui_->clearButton, &QPushButton::clicked, this, &CModuleDlg::ClearCriteria);
    connect(ui_->prevButton, &QPushButton::clicked, this, [this] { Step(-1); });
    connect(ui_->nextButton, &QPushButton::clicked, this, [this] { Step(+1); });
    connect(ui_->sortCombo, &QComboBox::activated, this, &CModuleDlg::SortResultList);
    connect(direction_, &QButtonGroup::buttonClicked, this, &CModuleDlg::SortResultList);
    connect(ui_->resultList, &ResultListView::Clicked, this, &CModuleDlg::ClickRow);
    connect(page3_, &CStepDlg3::ModeClicked, this, &CModuleDlg::UpdateElectricalControls);
    connect(page1_, &CStepDlg1::ThotStepped, this, &CModuleDlg::ChangeThot);
    connect(page5_, &CStepDlg5::AdviseClicked, this, &CModuleDlg::ShowOperatingPoints);
    AddShortcuts();
}

void CModuleDlg::AddShortcuts() {
    // Window-wide, so a step's keys work from whichever field has the focus;
    // a disabled button ignores its click.
    const auto add = [this](QAbstractButton* button, const QKeySequence& keys, const QString& tip) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(tip, keys.toString(QKeySequence::NativeText)));
    };
    add(ui_->prevButton, QKeySequence(Qt::ALT | Qt::Key_Left),
        QStringLiteral("Back to the previous step"));
    add(ui_->nextButton, QKeySequence(Qt::ALT | Qt::Key_Right),
        QStringLiteral("Search with what is entered so far and go to the next step"));
    add(ui_->searchButton, QKeySequence(Qt::CTRL | Qt::Key_Return), ui_->searchButton->toolTip());
    add(page5_->AdviseButton(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Return),
        QStringLiteral("Work out the current, voltage and power of every module that carries "
                       "the load"));
}

bool CModuleDlg::Initialise() {
    page1_->SetThot(records_.Thot());
    if (!records_.LoadRecords(this)) {
        return false;
    }
    ResetInputs();
    ExchangeOut();
    LayoutStepPages();
    ShowAllModules();
    UpdateElectricalControls();
    return true;
}

void CModuleDlg::ResetInputs() {
    const std::string nameFilter = criteria_.nameFilter;
    criteria_ = SearchCriteria{};
    criteria_.nameFilter = nameFilter;
    sortKey_ = 0;
    sortOrder_ = 0;
    step_ = kFirstStep;
}

void CModuleDlg::ExchangeIn() {
    page2_->Read(criteria_);
    page3_->Read(criteria_);
    page4_->Read(criteria_);
    criteria_.nameFilter = ui_->nameEdit->Fragment();
    sortKey_ = ui_->sortCombo->currentIndex();
    sortOrder_ = direction_->checkedId();
}

void CModuleDlg::ExchangeOut() {
    page2_->Write(criteria_);
    page3_->Write(criteria_);
    page4_->Write(criteria_);
    ShowCriteriaText();
    ui_->sortCombo->setCurrentIndex(sortKey_);
    if (QAbstractButton* button = direction_->button(sortOrder_)) {
        button->setChecked(true);
    }
}

void CModuleDlg::ShowCriteriaText() {
    QString text = Shown(criteriaText_);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ui_->criteriaBox->setPlainText(text);
}

void CModuleDlg::RunSearch() {
    ExchangeIn();
    LayoutStepPages();
    criteriaText_ = CriteriaText(criteria_);
    ExchangeOut();
    const std::optional<std::int32_t> found =
        ListSearchResult(base_, records_.Thot(), criteria_, Key(), Order(), list_);
    listThot_ = records_.Thot();
    // The answer of an earlier request no longer answers what is searched now.
    ClearAnswer(records_.State());
    ShowList();
    if (found) {
        records_.SelectModule(*found);
    }
    // Nothing found leaves the module shown, without an earlier point.
    Notify();
    if (!found) {
        ReportNothingFound();
    }
}

void CModuleDlg::ReportNothingFound() {
    // The search asks for modules rated for this supply at their full
    // current; the operating points may still find some that carry the load
    // below it, and the user is told so rather than left with "none".
    const AdviceRequest request = SearchAdviceRequest();
    const Advice advice =
        CheckAdviceRequest(request) ? Advice{} : RunAdvisor(base_, records_.Thot(), request);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vantiq"),
                    QStringLiteral("There is no TEM found that meets requested requirements"),
                    QMessageBox::Ok, this);
    QAbstractButton* show = nullptr;
    if (const std::size_t n = advice.points.size(); n > 0) {
        box.setInformativeText(
            QStringLiteral("%1 %2 the load below %3 rated current.")
                .arg(n)
                .arg(n == 1 ? QStringLiteral("module carries") : QStringLiteral("modules carry"))
                .arg(n == 1 ? QStringLiteral("its") : QStringLiteral("their")));
        show = box.addButton(QStringLiteral("Show operating points"), QMessageBox::ActionRole);
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    if (show != nullptr && box.clickedButton() == show) {
        ShowAdvice(request, advice);
        ChooseFirstRow();
    }
}

void CModuleDlg::ShowAllModules() {
    ExchangeIn();
    const std::optional<std::int32_t> listed = ListAllModules(base_, Key(), Order(), list_);
    listThot_.reset();
    ShowList();
    if (listed) {
        records_.SelectModule(*listed);
        Notify();
    }
}

void CModuleDlg::ShowNewCatalogue() {
    criteriaText_.clear();
    ShowAllModules();
}

void CModuleDlg::SortResultList() {
    ExchangeIn();
    if (const auto sorted = list_.Sort(base_, Key(), Order())) {
        records_.SelectModule(*sorted);
        ShowList();
        Notify();
    }
}

void CModuleDlg::SelectListedModule() {
    records_.SelectModule(list_.MarkedModule(base_));
    Notify();
}

void CModuleDlg::Notify() {
    std::vector<std::int32_t> picked;
    for (const int row : ui_->resultList->Picked()) {
        picked.push_back(list_.ModuleOf(base_, row));
    }
    ShownState& shown = records_.State().shown;
    shown = {};
    shown.compared = {ShownFirst(records_.SelectedModule(), picked), {}};
    ExchangeOut();
    Refresh();
}

void CModuleDlg::Refresh() {
    QString text = WhyText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ui_->whyLabel->setText(text.trimmed());
    ui_->whyLabel->setVisible(!text.isEmpty());
    emit TemSelected();
}

void CModuleDlg::ClickRow(int row) {
    if (row >= 0) {
        list_.SetMark(row);
    }
    SelectListedModule();
}

void CModuleDlg::ShowList() {
    ResultListView* view = ui_->resultList;
    view->ShowRows(list_.Rows());
    // An empty list keeps its third column until the next sort with rows.
    if (!list_.empty()) {
        view->SetThirdColumn(KeyColumnHeader(Key()).value_or(std::string()), KeyColumn());
    }
    view->ShowMark(list_.Mark());
    EnableDirection();
    const bool stale = listThot_ && *listThot_ != records_.Thot();
    ui_->listLabel->setText(stale ? QStringLiteral("&Modules (%1)").arg(HotSideText(*listThot_))
                                  : QStringLiteral("&Modules"));
}

QString CModuleDlg::ListsSummary() const {
    const auto rows = static_cast<qsizetype>(list_.size());
    // The status line ends with the hot side in use; a list found at
    // another one says which, so its rows are not read as this one's.
    QString text = listThot_ ? QStringLiteral("%1 modules found").arg(rows)
                             : QStringLiteral("%1 modules listed").arg(rows);
    if (listThot_ && *listThot_ != records_.Thot()) {
        text += QStringLiteral(" at %1, before the hot side changed: search again")
                    .arg(HotSideText(*listThot_));
    }
    const AnswerState& answer = Answer();
    if (answer.advised) {
        text += QStringLiteral(" · %1 operating points for %2")
                    .arg(static_cast<qsizetype>(answer.points.size()))
                    .arg(QString::fromStdString(LoadPhrase(*answer.advised)));
    } else if (answer.stacked) {
        text += QStringLiteral(" · %1 two-stage stacks for %2")
                    .arg(static_cast<qsizetype>(answer.stacks.size()))
                    .arg(QString::fromStdString(LoadPhrase(answer.stacked->advice)));
    }
    return text;
}

ResultListModel::ColumnText CModuleDlg::KeyColumn() const {
    if (!KeyColumnHeader(Key())) {
        return nullptr;
    }
    // The rows' modules are looked up once: by name, one at a time, each
    // row on screen would cost a pass over the catalogue.
    return [this, key = Key(), modules = list_.Modules(base_)](std::size_t row) {
        return ModuleKeyText(base_, row < modules.size() ? modules[row] : -1, key);
    };
}

SortKey CModuleDlg::Key() const {
    return static_cast<SortKey>(sortKey_);
}

SortOrder CModuleDlg::Order() const {
    return static_cast<SortOrder>(sortOrder_);
}

void CModuleDlg::ClearCriteria() {
    list_.Clear();
    listThot_.reset();
    ClearAnswer(records_.State());
    ShowList();
    criteriaText_.clear();
    ResetInputs();
    LayoutStepPages();
    page3_->EnableForMode(ElectricalMode::Supply);
    page5_->Reset();
    Notify();
}

void CModuleDlg::LayoutStepPages() {
    ui_->pages->setCurrentIndex(step_ - 1);
    ui_->prevButton->setEnabled(step_ != kFirstStep);
    ui_->nextButton->setEnabled(step_ != kLastStep);
}

void CModuleDlg::UpdateElectricalControls() {
    ExchangeIn();
    page3_->EnableForMode(criteria_.electricalMode);
}

void CModuleDlg::EnableDirection() {
    const bool hasRows = !list_.empty();
    ui_->descendingRadio->setEnabled(hasRows);
    ui_->ascendingRadio->setEnabled(hasRows);
}

void CModuleDlg::Step(int delta) {
    step_ = std::clamp(step_ + delta, kFirstStep, kLastStep);
    if (delta > 0) {
        RunSearch();
    }
    LayoutStepPages();
    if (auto* page = qobject_cast<CStepDlg*>(ui_->pages->currentWidget())) {
        page->FocusFirstField();
    }
}

void CModuleDlg::ChangeThot(double kelvin) {
    const std::int32_t shown = records_.SelectedModule();
    const SessionState before = records_.State();
    if (!records_.ReloadAt(kelvin, this)) {
        page1_->SetThot(records_.Thot());
        return;
    }
    // The values, and with them the order of a sort by value, belong to the
    // new hot side; the modules picked in the list stay picked.
    std::vector<std::string> picked;
    for (const int row : ui_->resultList->Picked()) {
        picked.push_back(list_.Rows()[static_cast<std::size_t>(row)]);
    }
    const std::int32_t marked = list_.Rederived(base_, Key(), Order());
    ShowList();
    std::vector<int> rows;
    for (std::size_t row = 0; row < list_.size(); ++row) {
        if (std::find(picked.begin(), picked.end(), list_.Rows()[row]) != picked.end()) {
            rows.push_back(static_cast<int>(row));
        }
    }
    ui_->resultList->AddPicks(rows);
    // The module shown stays, drawn at the new hot side, while it can be
    // derived there.
    const TemRecord* record = RecordAt(base_, shown);
    records_.SelectModule(record != nullptr && record->rated.derivable ? shown : marked);
    // An answer found at the old hot side no longer holds: it is worked out
    // again at the new one, and the row chosen is chosen again where it is
    // still there.
    if (before.answer.advised) {
        const AdviceRequest request = *before.answer.advised;
        ShowAdvice(request, RunAdvisor(base_, records_.Thot(), request));
    } else if (before.answer.stacked) {
        ShowStacks(before.answer.stacked->advice, before.answer.stacked->currents);
    }
    const std::optional<int> again =
        before.shown.row ? RowLike(Answer(), before.answer, *before.shown.row) : std::nullopt;
    if (again) {
        ChooseAnswerRow(*again);
    } else {
        Notify();
    }
}

AdviceRequest CModuleDlg::SearchAdviceRequest() const {
    AdviceRequest request;
    request.criteria = criteria_;
    // Hidden supply boxes are no limit: in resistance mode the user set none.
    if (criteria_.electricalMode != ElectricalMode::Supply) {
        request.criteria.supplyVoltage = 0.0;
        request.criteria.supplyCurrent = 0.0;
    }
    return request;
}

void CModuleDlg::ShowOperatingPoints() {
    ExchangeIn();
    AdviceRequest request = SearchAdviceRequest();
    page5_->Read(request);
    if (const auto fault = CheckAdviceRequest(request)) {
        QMessageBox::information(this, QStringLiteral("Vantiq"),
                                 QString::fromStdString(fault->message));
        return;
    }
    if (const auto currents = page5_->TwoStages()) {
        ShowStacks(request, *currents);
    } else {
        ShowAdvice(request, RunAdvisor(base_, records_.Thot(), request));
    }
    ChooseFirstRow();
}

void CModuleDlg::ShowAdvice(const AdviceRequest& request, const Advice& advice) {
    criteriaText_ = Utf8ToCp1251(AdviceCriteriaText(request, advice, records_.Thot())).value_or("");
    ShowCriteriaText();
    SessionState& state = records_.State();
    SetPointAnswer(
        state, base_, request, advice.points,
        request.coldMass ? PointPullDowns(base_, request, advice.points) : std::vector<PullDown>{});
    if (advice.points.empty()) {
        // What would work instead, with its figures, where the answer is.
        const std::string summary = RejectionSummary(request, advice);
        state.answer.whyNone = (summary.empty() ? std::string() : summary + ".\r\n") +
                               ShortfallText(base_, records_.Thot(), request,
                                             FindShortfall(base_, records_.Thot(), request));
    }
}

void CModuleDlg::ShowStacks(const AdviceRequest& request, StageCurrents currents) {
    const StackRequest stacks{request, currents};
    StackAdvice advice = FindStacks(base_, records_.Thot(), stacks);
    SortStacks(base_, advice.stacks, {});
    std::string text =
        AdviceCriteriaText(request, RunAdvisor(base_, records_.Thot(), request), records_.Thot());
    const std::size_t n = advice.stacks.size();
    text += n == 0 ? NoStackText(base_, records_.Thot(), stacks) + ".\r\n"
                   : "Two stages: " + std::to_string(n) +
                         (n == 1 ? " stack carries" : " stacks carry") + " the load.\r\n";
    criteriaText_ = Utf8ToCp1251(text).value_or("");
    ShowCriteriaText();
    SetStackAnswer(records_.State(), base_, stacks, advice.stacks,
                   request.coldMass ? StackPullDowns(base_, stacks, advice.stacks)
                                    : std::vector<StackPullDown>{});
}

void CModuleDlg::ChooseFirstRow() {
    if (Answer().size() > 0) {
        ChooseAnswerRow(0);
    } else {
        Notify();
    }
}

QString CModuleDlg::WhyText() const {
    const AnswerState& answer = Answer();
    if (answer.advised && answer.points.empty()) {
        return QString::fromStdString(answer.whyNone);
    }
    return QString::fromStdString(WhyNotShown());
}

std::string CModuleDlg::WhyNotShown() const {
    const AnswerState& answer = Answer();
    const TemRecord* record = RecordAt(base_, records_.SelectedModule());
    if (!answer.advised || answer.points.empty() || record == nullptr ||
        records_.State().shown.row) {
        return {};
    }
    const auto index = static_cast<std::uint32_t>(records_.SelectedModule());
    const bool listed = std::any_of(answer.points.begin(), answer.points.end(),
                                    [index](const PointRow& r) { return r.point.index == index; });
    return listed ? std::string()
                  : Cp1251ToUtf8(record->Name()) + " is not a result: " +
                        WhyNotText(base_, records_.Thot(), *answer.advised, index);
}

void CModuleDlg::ChooseAnswerRow(int row, const std::vector<int>& picked) {
    SessionState& state = records_.State();
    const std::optional<std::int32_t> module = state.answer.stacked
                                                   ? ChooseStackRow(state, base_, row)
                                                   : ChoosePointRow(state, row, picked);
    if (module) {
        records_.SelectModule(*module);
        Refresh();
    }
}

void CModuleDlg::SortAnswer(int column) {
    vantiq::SortAnswer(records_.State(), column);
    Refresh();
}

}  // namespace vantiq
