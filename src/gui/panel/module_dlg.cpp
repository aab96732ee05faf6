#include "gui/panel/module_dlg.h"

#include <QButtonGroup>
#include <QMessageBox>

#include "core/base/cp1251.h"
#include "core/selection/criteria_text.h"
#include "core/selection/name_index.h"
#include "core/selection/row_sort.h"
#include "core/selection/search.h"
#include "core/selection/sort_key.h"
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

// The third column's texts for the rows `names` sorted by `key`.
std::vector<std::string> KeyColumn(const TemBase& base, const std::vector<std::string>& names,
                                   SortKey key) {
    const NameIndex index(base);
    std::vector<std::string> texts;
    texts.reserve(names.size());
    for (const std::string& name : names) {
        const std::int32_t module = index.Find(name);
        texts.push_back(module < 0 ? std::string() : KeyColumnText(base.records[module], key));
    }
    return texts;
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
    connect(ui_->resultList, &ResultListView::Clicked, this, &CModuleDlg::SelectListedModule);
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
    ResultListView* list = ui_->resultList;
    list->Clear();
    criteriaText_ = CriteriaText(criteria_);
    ExchangeOut();
    list->SetRows(ListedRows(vantiq::RunSearch(base_, criteria_)));
    if (list->RowCount() > 0) {
        list->SetMark(0);
        SelectListedModule();
        SortResultList();
    } else {
        QMessageBox::information(this, QStringLiteral("Vantiq"),
                                 QStringLiteral("There is no TEM found that meets requested "
                                                "requirements"));
    }
    EnableDirection();
}

std::vector<ResultListView::Row> CModuleDlg::ListedRows(
    const std::vector<std::uint32_t>& indexes) const {
    std::vector<ResultListView::Row> rows;
    rows.reserve(indexes.size());
    for (std::uint32_t i : indexes) {
        rows.emplace_back(std::to_string(i), std::string(base_.records[i].Name()));
    }
    return rows;
}

void CModuleDlg::ShowAllModules() {
    ui_->resultList->SetRows(ListedRows(vantiq::ShowAllModules(base_)));
    SortResultList();
    EnableDirection();
}

void CModuleDlg::SortResultList() {
    ExchangeIn();
    ResultListView* list = ui_->resultList;
    if (list->RowCount() == 0) {
        return;
    }
    const auto key = static_cast<SortKey>(sortKey_);
    const std::vector<std::string> names =
        SortRows(base_, list->Names(), key, static_cast<SortOrder>(sortOrder_));
    list->SetNames(names);
    list->SetMark(0);
    SelectListedModule();
    const std::optional<std::string> header = KeyColumnHeader(key);
    list->SetThirdColumn(header.value_or(std::string()),
                         header ? KeyColumn(base_, names, key) : std::vector<std::string>());
}

void CModuleDlg::SelectListedModule() {
    const ResultListView* list = ui_->resultList;
    const std::string name = list->NameAt(list->Mark());
    std::int32_t index = name.empty() ? -1 : base_.FindByName(name);
    // A reload at another hot side may leave a listed module underivable.
    if (index >= 0 && !base_.records[index].derivable) {
        index = -1;
    }
    base_.selected = index;
    emit TemSelected();
    ExchangeOut();
}

void CModuleDlg::ClearCriteria() {
    ui_->resultList->Clear();
    criteriaText_.clear();
    EnableDirection();
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
    const bool hasRows = ui_->resultList->RowCount() > 0;
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
    }
}

}  // namespace vantiq
