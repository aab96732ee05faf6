#include "gui/panel/operating_point_list.h"

#include "core/advisor/advice_table.h"
#include "core/base/cp1251.h"
#include "gui/panel/row_picks.h"

namespace vantiq {

OperatingPointList::OperatingPointList(const TemBase& base, QWidget* parent)
    : SortableRowList({{QStringLiteral("№"), AdviceKey::Power},
                       {QStringLiteral("TEM name"), AdviceKey::Name},
                       {QStringLiteral("n"), AdviceKey::Modules},
                       {QStringLiteral("I (A)"), AdviceKey::Current},
                       {QStringLiteral("U (V)"), AdviceKey::Voltage},
                       {QStringLiteral("P (W)"), AdviceKey::Power},
                       {QStringLiteral("COP"), AdviceKey::Cop},
                       {QStringLiteral("Th (°C)"), AdviceKey::Thot}},
                      parent),
      base_(base) {
    AllowPickingRows(this);
}

void OperatingPointList::SetPoints(std::vector<OperatingPoint> points,
                                   std::vector<PullDown> pullDowns) {
    points_ = std::move(points);
    std::unordered_map<std::uint32_t, std::optional<double>> seconds;
    for (std::size_t k = 0; k < pullDowns.size() && k < points_.size(); ++k) {
        seconds.emplace(points_[k].index, pullDowns[k].seconds);
    }
    ShowNewRows(std::move(seconds));
}

QStringList OperatingPointList::RowTexts(std::size_t row) const {
    const OperatingPoint& p = points_[row];
    QStringList texts = {QString::number(row),
                         QString::fromStdString(Cp1251ToUtf8(base_.records.at(p.index).Name()))};
    for (const std::string& number : AdviceShownNumbers(p)) {
        texts.append(QString::fromStdString(number));
    }
    return texts;
}

void OperatingPointList::SortRows(AdviceOrder order) {
    SortPoints(base_, points_, order);
}

}  // namespace vantiq
