#include "gui/panel/result_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>

#include "gui/panel/row_picks.h"

namespace vantiq {

ResultListView::ResultListView(QWidget* parent)
    : QTreeView(parent), model_(new ResultListModel(this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // One row's height serves all: the view never measures a million rows.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    AllowPickingRows(this);
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(false);
    setColumnWidth(0, 36);
    setColumnWidth(1, 128);
}

void ResultListView::ShowRows(const std::vector<std::string>& names) {
    model_->ShowRows(&names);
}

void ResultListView::SetThirdColumn(const std::string& header, ResultListModel::ColumnText text) {
    model_->SetThirdColumn(header, std::move(text));
    if (!header.empty()) {
        setColumnWidth(2, 96);
    }
}

void ResultListView::ShowMark(std::ptrdiff_t row) {
    const QModelIndex index =
        row < 0 || row >= RowCount() ? QModelIndex() : model_->index(static_cast<int>(row), 0);
    if (index.isValid()) {
        setCurrentIndex(index);
        scrollTo(index);
    } else {
        clearSelection();
    }
}

std::vector<int> ResultListView::Picked() const {
    return PickedRows(this);
}

void ResultListView::AddPicks(const std::vector<int>& rows) {
    for (const int row : rows) {
        if (row >= 0 && row < RowCount()) {
            selectionModel()->select(model()->index(row, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
}

void ResultListView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    const std::vector<int> picked = PickedRows(this);
    QTreeView::keyPressEvent(event);
    const QModelIndex now = currentIndex();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Ctrl+Space picks or drops the highlighted row without moving.
    if (now.isValid() && (enter || now.row() != before.row() || PickedRows(this) != picked)) {
        const std::vector<int> after = PickedRows(this);
        const bool dropped =
            !after.empty() && std::find(after.begin(), after.end(), now.row()) == after.end();
        emit Clicked(dropped ? after.front() : now.row());
    }
}

void ResultListView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    pressedRow_ = index.isValid() ? index.row() : -1;
    picksAtPress_ = PickedRows(this);
    QTreeView::mousePressEvent(event);
}

void ResultListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::vector<int> picked = PickedRows(this);
    const bool picking = pressedRow_ >= 0 && !picked.empty() &&
                         (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) &&
                         std::find(picked.begin(), picked.end(), pressedRow_) == picked.end();
    if (!picking) {
        emit Clicked(pressedRow_);
    } else if (picked == picksAtPress_) {
        QToolTip::showText(event->globalPosition().toPoint(),
                           QStringLiteral("At most three modules can be compared at once."), this);
    } else {
        // The row was dropped from the picks, or cut from a range too long:
        // the first row still picked is shown.
        emit Clicked(picked.front());
    }
}

}  // namespace vantiq
