#include "gui/panel/stack_list.h"

#include "core/base/cp1251.h"
#include "core/model/celsius.h"
#include "core/stack/stack_order.h"

namespace vantiq {
namespace {

QString Number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString Pair(const QString& top, const QString& bottom) {
    return top + QStringLiteral(" / ") + bottom;
}

QString Pair(double top, double bottom, int decimals) {
    return Pair(Number(top, decimals), Number(bottom, decimals));
}

QString Name(const TemBase& base, std::uint32_t index) {
    return QString::fromStdString(Cp1251ToUtf8(base.records.at(index).Name()));
}

}  // namespace

StackList::StackList(const TemBase& base, QWidget* parent)
    : SortableRowList({{QStringLiteral("№"), AdviceKey::Power},
                       {QStringLiteral("TEM name"), AdviceKey::Name},
                       {QStringLiteral("n"), AdviceKey::Power},
                       {QStringLiteral("I (A)"), AdviceKey::Current},
                       {QStringLiteral("U (V)"), AdviceKey::Power},
                       {QStringLiteral("P (W)"), AdviceKey::Power},
                       {QStringLiteral("COP"), AdviceKey::Cop},
                       {QStringLiteral("Tb (°C)"), AdviceKey::Power},
                       {QStringLiteral("Th (°C)"), AdviceKey::Power},
                       {QStringLiteral("Currents"), AdviceKey::Power}},
                      parent),
      base_(base) {}

void StackList::SetStacks(std::vector<StackPoint> stacks, std::vector<StackPullDown> pullDowns) {
    stacks_ = std::move(stacks);
    std::unordered_map<std::uint32_t, std::optional<double>> seconds;
    for (std::size_t k = 0; k < pullDowns.size() && k < stacks_.size(); ++k) {
        seconds.emplace(stacks_[k].top, pullDowns[k].seconds);
    }
    ShowNewRows(std::move(seconds));
}

QStringList StackList::RowTexts(std::size_t row) const {
    const StackPoint& p = stacks_[row];
    return {
        QString::number(row),
        Pair(Name(base_, p.top), Name(base_, p.bottom)),
        Pair(QString::number(p.upper.modules), QString::number(p.lower.modules)),
        Pair(p.upper.current, p.lower.current, 3),
        Pair(p.upper.voltage, p.lower.voltage, 3),
        Number(p.power, 2),
        Number(p.cop, 3),
        Number(p.between - kCelsiusOffset, 1),
        Number(p.thot - kCelsiusOffset, 1),
        p.currents == StageCurrents::Shared ? QStringLiteral("one") : QStringLiteral("separate")};
}

void StackList::SortRows(AdviceOrder order) {
    SortStacks(base_, stacks_, order);
}

}  // namespace vantiq
