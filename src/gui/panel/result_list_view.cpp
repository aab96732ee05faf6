#include "gui/panel/result_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>

#include "core/base/cp1251.h"
#include "gui/panel/row_picks.h"

namespace vantiq {
namespace {

QString Shown(const std::string& bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

}  // namespace

ResultListView::ResultListView(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    AllowPickingRows(this);
    setHeaderLabels({QStringLiteral("№"), QStringLiteral("TEM name")});
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(false);
    setColumnWidth(0, 36);
    setColumnWidth(1, 128);
}

void ResultListView::ShowRows(const std::vector<std::string>& names) {
    clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(names.size()));
    for (std::size_t k = 0; k < names.size(); ++k) {
        items.append(new QTreeWidgetItem({QString::number(k), Shown(names[k])}));
    }
    addTopLevelItems(items);
}

void ResultListView::SetThirdColumn(const std::string& header,
                                    const std::vector<std::string>& values) {
    if (header.empty()) {
        setColumnCount(2);
        return;
    }
    setColumnCount(3);
    headerItem()->setText(2, QString::fromStdString(header));
    setColumnWidth(2, 96);
    for (int row = 0; row < RowCount() && row < static_cast<int>(values.size()); ++row) {
        topLevelItem(row)->setText(2, QString::fromStdString(values[row]));
    }
}

void ResultListView::ShowMark(std::ptrdiff_t row) {
    if (QTreeWidgetItem* item = row < 0 ? nullptr : topLevelItem(static_cast<int>(row))) {
        setCurrentItem(item);
        scrollToItem(item);
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
    QTreeWidget::keyPressEvent(event);
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
    QTreeWidget::mousePressEvent(event);
}

void ResultListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
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
