#include "gui/editing/import_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include "core/editing/catalogue_names.h"
#include "core/fit/fit_table.h"
#include "render/datasheet/datasheet_drawing.h"
#include "ui_import_dlg.h"

namespace vantiq {
namespace {

// Columns: the name, the note (the problem, or how far model and datasheet
// part with the leg assumption after it), then
// rated / derived / deviation of each rating.
const char* const kRatings[] = {"Imax", "Umax", "dTmax", "Qmax", "AC res."};

QStringList Headers() {
    QStringList headers{QStringLiteral("Name"), QStringLiteral("Note")};
    for (const char* rating : kRatings)
        headers << QStringLiteral("%1 rated").arg(QLatin1String(rating))
                << QStringLiteral("derived") << QStringLiteral("deviation");
    return headers;
}

}  // namespace

CImportDlg::CImportDlg(const std::vector<RatingsRow>& rows, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ImportDlg>()) {
    ui_->setupUi(this);
    const QStringList headers = Headers();
    ui_->preview->setColumnCount(static_cast<int>(headers.size()));
    ui_->preview->setHorizontalHeaderLabels(headers);
    ui_->preview->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        ShowRow(static_cast<int>(i), rows[i]);
    ui_->preview->resizeColumnsToContents();
    QPushButton* import =
        ui_->buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    import->setEnabled(problems_ == 0);
    connect(import, &QPushButton::clicked, this, &CImportDlg::Import);
    connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ui_->summary->setText(
        problems_ == 0
            ? QStringLiteral("%1 modules fit their ratings. \"Import\" adds them to the open "
                             "catalogue.")
                  .arg(rows.size())
            : QStringLiteral("%1 of %2 rows cannot be added (see the note); nothing is written. "
                             "Mend them in the file and import it again.")
                  .arg(problems_)
                  .arg(rows.size()));
}

CImportDlg::~CImportDlg() = default;

void CImportDlg::ShowRow(int row, const RatingsRow& source) {
    const RatingFit fit = FitRatings(source.ratings);
    auto entry = BuildCatalogueEntry(source.name, fit.record, {});
    const auto lines = FitTableRows(source.name, source.ratings, fit);
    auto put = [&](int column, const std::string& text) {
        ui_->preview->setItem(row, column, new QTableWidgetItem(QString::fromStdString(text)));
    };
    put(0, source.name);
    std::string note = lines.front()[5];
    if (fit.problem.empty()) {
        // The verdict first, then the leg assumption where there is one.
        note = lines.back()[5] + (note.empty() ? "" : "; " + note);
        for (std::size_t k = 0; k + 1 < lines.size(); ++k)
            for (int c = 0; c < 3; ++c)
                put(2 + static_cast<int>(k) * 3 + c, lines[k][2 + c]);
    }
    if (fit.problem.empty() && !entry.ok())
        note = entry.error().message;
    put(1, note);
    if (!fit.problem.empty() || !entry.ok()) {
        ++problems_;
        ui_->preview->item(row, 0)->setForeground(Qt::darkRed);
        return;
    }
    fitted_.push_back(std::move(*entry));
}

void CImportDlg::Import() {
    if (problems_ > 0)
        return;
    entries_ = fitted_;
    for (CatalogueEntry& entry : entries_)
        entry.picture = DatasheetPng(entry.record);
    accept();
}

}  // namespace vantiq
