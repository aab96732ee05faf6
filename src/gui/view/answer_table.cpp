#include "gui/view/answer_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/panel/row_picks.h"
#include "gui/view/answer_model.h"
#include "gui/view/frozen_table_view.h"

namespace vantiq {

AnswerTable::AnswerTable(QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(this)),
      close_(new QToolButton(this)),
      model_(new AnswerModel(this)),
      view_(new FrozenTableView(this)) {
    title_->setObjectName(QStringLiteral("answerTitle"));
    close_->setObjectName(QStringLiteral("answerClose"));
    close_->setText(QStringLiteral("×"));
    close_->setToolTip(QStringLiteral("Close the table"));
    close_->setAutoRaise(true);
    view_->setObjectName(QStringLiteral("answerView"));
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 2, 0);
    bar->addWidget(title_, 1);
    bar->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    view_->setModel(model_);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setResizeContentsPrecision(200);
    view_->horizontalHeader()->setSortIndicatorShown(false);
    view_->setWordWrap(false);
    view_->setTabKeyNavigation(false);
    AllowPickingRows(view_);
    ConnectView();
    connect(close_, &QToolButton::clicked, this, &AnswerTable::CloseRequested);
}

void AnswerTable::ConnectView() {
    for (QTableView* table : {static_cast<QTableView*>(view_), view_->Frozen()}) {
        connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
                &AnswerTable::SortRequested);
        connect(table, &QTableView::clicked, this,
                [this](const QModelIndex& index) { emit RowChosen(index.row(), Picked()); });
    }
    connect(view_, &FrozenTableView::RowKeyed, this,
            [this](int row) { emit RowChosen(row, Picked()); });
    connect(view_, &FrozenTableView::CopyPressed, this, &AnswerTable::CopySelected);
}

void AnswerTable::SetTitle(const QString& title) {
    title_->setText(title);
}

void AnswerTable::Show(const std::vector<std::string>& headers,
                       const std::vector<std::vector<std::string>>& cells, int version,
                       int sortColumn, bool descending) {
    version_ = version;
    const int scrolled = view_->horizontalScrollBar()->value();
    model_->Show(headers, cells);
    view_->resizeColumnsToContents();
    view_->FreezeFirstColumn();
    view_->horizontalScrollBar()->setValue(scrolled);
    QHeaderView* header = view_->horizontalHeader();
    header->setSortIndicatorShown(sortColumn >= 0);
    if (sortColumn >= 0) {
        header->setSortIndicator(sortColumn, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
}

void AnswerTable::MarkRow(std::optional<int> row) {
    QItemSelectionModel* selection = view_->selectionModel();
    if (!row || *row < 0 || *row >= model_->rowCount()) {
        selection->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(*row, 0);
    if (!selection->isRowSelected(*row, {})) {
        selection->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    view_->scrollTo(index);
}

QString AnswerTable::Title() const {
    return title_->text();
}

std::vector<int> AnswerTable::Picked() const {
    return PickedRows(view_);
}

QString AnswerTable::SelectedText() const {
    return model_->RowsText(Picked());
}

void AnswerTable::CopySelected() const {
    QApplication::clipboard()->setText(SelectedText());
}

}  // namespace vantiq
