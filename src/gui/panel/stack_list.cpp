#include "gui/panel/stack_list.h"

#include <QHeaderView>

#include "core/base/cp1251.h"
#include "core/model/celsius.h"
#include "core/stack/stack_order.h"

namespace vantiq {
namespace {

// The order each column sorts by; the columns without a key of their own
// sort by power, the advisor's order.
constexpr AdviceKey kColumnKeys[] = {AdviceKey::Power,   AdviceKey::Name,  AdviceKey::Power,
                                     AdviceKey::Current, AdviceKey::Power, AdviceKey::Power,
                                     AdviceKey::Cop,     AdviceKey::Power, AdviceKey::Power,
                                     AdviceKey::Power,   AdviceKey::Power};
constexpr int kColumnCount = static_cast<int>(std::size(kColumnKeys));

QString Number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString Pair(double top, double bottom, int decimals) {
    return Number(top, decimals) + QStringLiteral(" / ") + Number(bottom, decimals);
}

QString Name(const TemBase& base, std::uint32_t index) {
    return QString::fromStdString(Cp1251ToUtf8(base.records.at(index).Name()));
}

QStringList RowTexts(const TemBase& base, const StackPoint& p, int row) {
    return {
        QString::number(row),
        Name(base, p.top) + QStringLiteral(" / ") + Name(base, p.bottom),
        QString::number(p.upper.modules) + QStringLiteral(" / ") + QString::number(p.lower.modules),
        Pair(p.upper.current, p.lower.current, 3),
        Pair(p.upper.voltage, p.lower.voltage, 3),
        Number(p.power, 2),
        Number(p.cop, 3),
        Number(p.between - kCelsiusOffset, 1),
        Number(p.thot - kCelsiusOffset, 1),
        p.currents == StageCurrents::Shared ? QStringLiteral("one") : QStringLiteral("separate")};
}

QString PullDownText(const StackPullDown& d) {
    return d.seconds ? Number(*d.seconds, 1) : QStringLiteral("never");
}

}  // namespace

StackList::StackList(const TemBase& base, QWidget* parent) : QTreeWidget(parent), base_(base) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    header()->setSectionsClickable(true);
    connect(header(), &QHeaderView::sectionClicked, this, &StackList::SortByColumn);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit RowClicked(indexOfTopLevelItem(item)); });
}

void StackList::SetStacks(std::vector<StackPoint> stacks, std::vector<StackPullDown> pullDowns) {
    stacks_ = std::move(stacks);
    pullDowns_.clear();
    for (std::size_t k = 0; k < pullDowns.size() && k < stacks_.size(); ++k) {
        pullDowns_.emplace(stacks_[k].top, pullDowns[k]);
    }
    QStringList labels = {QStringLiteral("№"),       QStringLiteral("TEM name"),
                          QStringLiteral("n"),       QStringLiteral("I (A)"),
                          QStringLiteral("U (V)"),   QStringLiteral("P (W)"),
                          QStringLiteral("COP"),     QStringLiteral("Tb (°C)"),
                          QStringLiteral("Th (°C)"), QStringLiteral("Currents")};
    if (!pullDowns_.empty()) {
        labels.append(QStringLiteral("Pull-down (s)"));
    }
    setColumnCount(static_cast<int>(labels.size()));
    setHeaderLabels(labels);
    sortColumn_ = 0;
    reversed_ = false;
    ShowRows();
}

void StackList::SortByColumn(int column) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    reversed_ = column == sortColumn_ && column != 0 ? !reversed_ : false;
    sortColumn_ = column;
    SortStacks(base_, stacks_, {kColumnKeys[column], reversed_});
    ShowRows();
}

void StackList::ShowRows() {
    clear();
    QList<QTreeWidgetItem*> items;
    for (std::size_t row = 0; row < stacks_.size(); ++row) {
        QStringList texts = RowTexts(base_, stacks_[row], static_cast<int>(row));
        if (const auto found = pullDowns_.find(stacks_[row].top); found != pullDowns_.end()) {
            texts.append(PullDownText(found->second));
        }
        items.append(new QTreeWidgetItem(texts));
    }
    addTopLevelItems(items);
    for (int column = 0; column < columnCount(); ++column) {
        resizeColumnToContents(column);
    }
}

}  // namespace vantiq
