#include "gui/panel/operating_point_list.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "core/advisor/advice_table.h"
#include "core/base/cp1251.h"
#include "gui/panel/row_picks.h"

namespace vantiq {
namespace {

// The order each column sorts by; "№" is the advisor's own order, by power.
constexpr AdviceKey kColumnKeys[] = {AdviceKey::Power,   AdviceKey::Name,    AdviceKey::Modules,
                                     AdviceKey::Current, AdviceKey::Voltage, AdviceKey::Power,
                                     AdviceKey::Cop,     AdviceKey::Thot};
constexpr int kColumnCount = static_cast<int>(std::size(kColumnKeys));

QStringList RowTexts(const TemBase& base, const OperatingPoint& p, int row) {
    QStringList texts = {QString::number(row),
                         QString::fromStdString(Cp1251ToUtf8(base.records.at(p.index).Name()))};
    for (const std::string& number : AdviceShownNumbers(p)) {
        texts.append(QString::fromStdString(number));
    }
    return texts;
}

}  // namespace

OperatingPointList::OperatingPointList(const TemBase& base, QWidget* parent)
    : QTreeWidget(parent), base_(base) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    AllowPickingRows(this);
    setHeaderLabels({QStringLiteral("№"), QStringLiteral("TEM name"), QStringLiteral("n"),
                     QStringLiteral("I (A)"), QStringLiteral("U (V)"), QStringLiteral("P (W)"),
                     QStringLiteral("COP"), QStringLiteral("Th (°C)")});
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &OperatingPointList::SortByColumn);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit RowClicked(indexOfTopLevelItem(item)); });
}

void OperatingPointList::keyPressEvent(QKeyEvent* event) {
    const QTreeWidgetItem* before = currentItem();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QTreeWidget::keyPressEvent(event);
    const int row = indexOfTopLevelItem(currentItem());
    if (row >= 0 && (enter || currentItem() != before)) {
        emit RowClicked(row);
    }
}

void OperatingPointList::SetPoints(std::vector<OperatingPoint> points,
                                   std::vector<PullDown> pullDowns) {
    points_ = std::move(points);
    pullDowns_.clear();
    for (std::size_t k = 0; k < pullDowns.size() && k < points_.size(); ++k) {
        pullDowns_.emplace(points_[k].index, pullDowns[k]);
    }
    setColumnCount(kColumnCount + (pullDowns_.empty() ? 0 : 1));
    if (!pullDowns_.empty()) {
        headerItem()->setText(kColumnCount, QStringLiteral("Pull-down (s)"));
    }
    sortColumn_ = 0;
    reversed_ = false;
    ShowRows();
}

void OperatingPointList::SortByColumn(int column) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    reversed_ = column == sortColumn_ && column != 0 ? !reversed_ : false;
    sortColumn_ = column;
    SortPoints(base_, points_, {kColumnKeys[column], reversed_});
    ShowRows();
}

void OperatingPointList::ShowRows() {
    clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(points_.size()));
    for (std::size_t row = 0; row < points_.size(); ++row) {
        QStringList texts = RowTexts(base_, points_[row], static_cast<int>(row));
        if (const auto found = pullDowns_.find(points_[row].index); found != pullDowns_.end()) {
            const auto& seconds = found->second.seconds;
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
