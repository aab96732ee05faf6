#include "gui/panel/result_list_view.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "core/base/cp1251.h"

namespace vantiq {
namespace {

constexpr int kNameRole = Qt::UserRole;

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

void ResultListView::Clear() {
    clear();
    mark_ = -1;
}

void ResultListView::SetRows(const std::vector<Row>& rows) {
    Clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& [number, name] : rows) {
        auto* item = new QTreeWidgetItem({Shown(number), Shown(name)});
        item->setData(1, kNameRole, QByteArray::fromStdString(name));
        items.append(item);
    }
    addTopLevelItems(items);
}

std::vector<std::string> ResultListView::Names() const {
    std::vector<std::string> names;
    for (int row = 0; row < RowCount(); ++row) {
        names.push_back(NameAt(row));
    }
    return names;
}

std::string ResultListView::NameAt(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->data(1, kNameRole).toByteArray().toStdString() : std::string();
}

void ResultListView::SetNames(const std::vector<std::string>& names) {
    std::vector<Row> rows;
    rows.reserve(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        rows.emplace_back(std::to_string(k), names[k]);
    }
    SetRows(rows);
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

void ResultListView::SetMark(int row) {
    mark_ = row;
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}

void ResultListView::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        mark_ = index.row();
    }
}

void ResultListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit Clicked();
    }
}

}  // namespace vantiq
