#include "gui/panel/result_list_view.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "core/base/cp1251.h"

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
    setSelectionMode(QAbstractItemView::SingleSelection);
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

void ResultListView::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    pressedRow_ = index.isValid() ? index.row() : -1;
}

void ResultListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit Clicked(pressedRow_);
    }
}

}  // namespace vantiq
