#include "gui/panel/sortable_row_list.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace vantiq {

SortableRowList::SortableRowList(std::vector<Column> columns, QWidget* parent)
    : QTreeWidget(parent), columns_(std::move(columns)) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    QStringList labels;
    for (const Column& column : columns_) {
        labels.append(column.label);
    }
    setHeaderLabels(labels);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &SortableRowList::SortByColumn);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit RowClicked(indexOfTopLevelItem(item)); });
}

void SortableRowList::keyPressEvent(QKeyEvent* event) {
    const QTreeWidgetItem* before = currentItem();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QTreeWidget::keyPressEvent(event);
    const int row = indexOfTopLevelItem(currentItem());
    if (row >= 0 && (enter || currentItem() != before)) {
        emit RowClicked(row);
    }
}

void SortableRowList::ShowNewRows(
    std::unordered_map<std::uint32_t, std::optional<double>> pullDowns) {
    pullDowns_ = std::move(pullDowns);
    const int columns = static_cast<int>(columns_.size());
    setColumnCount(columns + (pullDowns_.empty() ? 0 : 1));
    if (!pullDowns_.empty()) {
        headerItem()->setText(columns, QStringLiteral("Pull-down (s)"));
    }
    sortColumn_ = 0;
    reversed_ = false;
    ShowRows();
}

void SortableRowList::SortByColumn(int column) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) {
        return;
    }
    reversed_ = column == sortColumn_ && column != 0 ? !reversed_ : false;
    sortColumn_ = column;
    SortRows({columns_[static_cast<std::size_t>(column)].key, reversed_});
    ShowRows();
}

void SortableRowList::ShowRows() {
    clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(RowCount()));
    for (std::size_t row = 0; row < RowCount(); ++row) {
        QStringList texts = RowTexts(row);
        if (const auto found = pullDowns_.find(RowModule(row)); found != pullDowns_.end()) {
            const std::optional<double>& seconds = found->second;
            texts.append(seconds ? QString::number(*seconds, 'f', 1) : QStringLiteral("never"));
        }
        items.append(new QTreeWidgetItem(texts));
    }
    addTopLevelItems(items);
    for (int column = 0; column < columnCount(); ++column) {
        resizeColumnToContents(column);
    }
}

}  // namespace vantiq
