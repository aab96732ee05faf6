#include "gui/view/compare_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantiq {
namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

CCompareDlg::CCompareDlg(QWidget* parent)
    : QDialog(parent), hint_(new QLabel(this)), table_(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Compare"));
    setObjectName(QStringLiteral("compareDlg"));
    hint_->setText(
        QStringLiteral("Pick up to three modules with Ctrl or Shift in a list to compare them."));
    hint_->setWordWrap(true);
    table_->setObjectName(QStringLiteral("compareTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(560, 480);
}

void CCompareDlg::ShowRows(const std::vector<ComparisonRow>& rows) {
    const int columns = rows.empty() ? 0 : static_cast<int>(rows.front().values.size());
    table_->clear();
    table_->setRowCount(static_cast<int>(rows.size()));
    table_->setColumnCount(columns);
    QStringList labels;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        labels.append(Text(rows[r].label));
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(Text(rows[r].values[c]));
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->setVerticalHeaderLabels(labels);
    hint_->setVisible(columns < 2);
}

}  // namespace vantiq
