#include "gui/panel/module_dlg.h"

#include <QButtonGroup>
#include <QMessageBox>

#include "core/base/cp1251.h"
#include "core/selection/criteria_text.h"
#include "core/selection/list_actions.h"
#include "gui/panel/step_dlg1.h"
#include "gui/panel/step_dlg2.h"
#include "gui/panel/step_dlg3.h"
#include "gui/panel/step_dlg4.h"
#include "ui_module_dlg.h"

namespace vantiq {
namespace {

constexpr int kFirstStep = 1;
constexpr int kLastStep = 4;
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
      direction_(new QButtonGroup(this)) {
    ui_->setupUi(this);
    setFixedWidth(kPanelWidth);
    for (QWidget* page : {static_cast<QWidget*>(page1_), static_cast<QWidget*>(page2_),
                          static_cast<QWidget*>(page3_), static_cast<QWidget*>(page4_)}) {
        ui_->pages->addWidget(page);
    }
    direction_->addButton(ui_->descendingRadio, 0);
    direction_->addButton(ui_->ascendingRadio, 1);
    ConnectControls();
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
}

bool CModuleDlg::Initialise() {
    page1_->SetThot(base_.thot);
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
    const bool found = ListSearchResult(base_, criteria_, Key(), Order(), list_);
    ShowList();
    if (found) {
        Notify();
    } else {
        QMessageBox::information(this, QStringLiteral("Vantiq"),
                                 QStringLiteral("There is no TEM found that meets requested "
                                                "requirements"));
    }
}

void CModuleDlg::ShowAllModules() {
    ExchangeIn();
    const bool listed = ListAllModules(base_, Key(), Order(), list_);
    ShowList();
    if (listed) {
        Notify();
    }
}

void CModuleDlg::SortResultList() {
    ExchangeIn();
    if (list_.Sort(base_, Key(), Order())) {
        ShowList();
        Notify();
    }
}

void CModuleDlg::SelectListedModule() {
    list_.SelectMarked(base_);
    Notify();
}

void CModuleDlg::Notify() {
    emit TemSelected();
    ExchangeOut();
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
        const std::optional<std::string> header = KeyColumnHeader(Key());
        view->SetThirdColumn(header.value_or(std::string()),
                             header ? list_.KeyTexts(base_, Key()) : std::vector<std::string>());
    }
    view->ShowMark(list_.Mark());
    EnableDirection();
}

SortKey CModuleDlg::Key() const {
    return static_cast<SortKey>(sortKey_);
}

SortOrder CModuleDlg::Order() const {
    return static_cast<SortOrder>(sortOrder_);
}

void CModuleDlg::ClearCriteria() {
    list_.Clear();
    ShowList();
    criteriaText_.clear();
    ResetInputs();
    ExchangeOut();
    LayoutStepPages();
    page3_->EnableForMode(0);
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
}

void CModuleDlg::ChangeThot(double kelvin) {
    if (!records_.ReloadAt(kelvin, this)) {
        page1_->SetThot(base_.thot);
        return;
    }
    // The values, and with them the order of a sort by value, belong to the
    // new hot side; the module shown stays while it is listed.
    list_.Rederived(base_, Key(), Order());
    ShowList();
    Notify();
}

}  // namespace vantiq
