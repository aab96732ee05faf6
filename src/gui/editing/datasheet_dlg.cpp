#include "gui/editing/datasheet_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "core/editing/catalogue_names.h"
#include "gui/editing/fit_table_html.h"
#include "render/datasheet/datasheet_drawing.h"
#include "ui_datasheet_dlg.h"

namespace vantiq {

CDatasheetDlg::CDatasheetDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DatasheetDlg>()) {
    ui_->setupUi(this);
    add_ = ui_->buttons->addButton(QStringLiteral("&Add"), QDialogButtonBox::AcceptRole);
    connect(add_, &QPushButton::clicked, this, &CDatasheetDlg::AddModule);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui_->name, &QLineEdit::textChanged, this, &CDatasheetDlg::Refit);
    connect(ui_->couples, &QSpinBox::valueChanged, this, &CDatasheetDlg::Refit);
    connect(ui_->mode, &QComboBox::currentIndexChanged, this, &CDatasheetDlg::Refit);
    for (QDoubleSpinBox* box : findChildren<QDoubleSpinBox*>())
        connect(box, &QDoubleSpinBox::valueChanged, this, &CDatasheetDlg::Refit);
    Refit();
}

CDatasheetDlg::~CDatasheetDlg() = default;

Ratings CDatasheetDlg::TypedRatings() const {
    Ratings r;
    r.couples = static_cast<std::uint32_t>(ui_->couples->value());
    r.ratedThotC = ui_->thot->value();
    r.imax = ui_->imax->value();
    r.umax = ui_->umax->value();
    r.dtMax = ui_->dtmax->value();
    r.qmax = ui_->qmax->value();
    r.width = ui_->width->value();
    r.length = ui_->length->value();
    r.height = ui_->height->value();
    r.pelletSide = ui_->legSide->value() * 1e-3;
    r.pelletLength = ui_->legLength->value() * 1e-3;
    r.acResistance = ui_->acResistance->value();
    return r;
}

FitMode CDatasheetDlg::TypedMode() const {
    constexpr FitMode kModes[] = {FitMode::LeastLargest, FitMode::KeepImaxUmaxDtmax,
                                  FitMode::KeepImaxDtmaxQmax, FitMode::BalanceAll};
    return kModes[std::max(0, ui_->mode->currentIndex())];
}

// Fitting takes some tens of microseconds, so every keystroke refits.
void CDatasheetDlg::Refit() {
    ui_->pellets->setText(QStringLiteral("pellets: %1").arg(2 * ui_->couples->value()));
    const Ratings ratings = TypedRatings();
    fit_ = FitRatings(ratings, TypedMode());
    const std::string name = ui_->name->text().toStdString();
    QString text = FitTableHtml(name, ratings, fit_);
    const auto entry = BuildCatalogueEntry(name, fit_.record, {});
    if (name.empty())
        text += QStringLiteral("<p>Name the module to add it.</p>");
    else if (!entry.ok())
        text += QStringLiteral("<p style='color: #b00000'>%1</p>")
                    .arg(QString::fromStdString(entry.error().message).toHtmlEscaped());
    ui_->result->setText(text);
    add_->setEnabled(fit_.problem.empty() && !name.empty() && entry.ok());
}

void CDatasheetDlg::AddModule() {
    auto entry = BuildCatalogueEntry(ui_->name->text().toStdString(), fit_.record,
                                     DatasheetPng(fit_.record));
    if (!fit_.problem.empty() || !entry.ok())
        return;
    entry_ = std::move(*entry);
    accept();
}

}  // namespace vantiq
