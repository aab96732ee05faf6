#pragma once

#include <vector>

#include "core/advisor/operating_point.h"
#include "core/advisor/pull_down.h"
#include "core/base/tem_base.h"
#include "gui/panel/sortable_row_list.h"

namespace vantiq {

// The operating points the advisor found, one row each: "№", "TEM name",
// "n", "I (A)", "U (V)", "P (W)", "COP" and "Th (°C)", and with pull-down
// times "Pull-down (s)", sorted and chosen as every SortableRowList is. With
// Ctrl and Shift up to three points are picked for comparing.
class OperatingPointList : public SortableRowList {
    Q_OBJECT

public:
    explicit OperatingPointList(const TemBase& base, QWidget* parent = nullptr);

    // Shows `points`, in their order (the advisor's, by power), with
    // `pullDowns` (one per point, or none for no pull-down column).
    void SetPoints(std::vector<OperatingPoint> points, std::vector<PullDown> pullDowns = {});
    // The points in the order the rows show them.
    const std::vector<OperatingPoint>& Points() const { return points_; }

protected:
    std::size_t RowCount() const override { return points_.size(); }
    QStringList RowTexts(std::size_t row) const override;
    std::uint32_t RowModule(std::size_t row) const override { return points_[row].index; }
    void SortRows(AdviceOrder order) override;

private:
    const TemBase& base_;
    std::vector<OperatingPoint> points_;
};

}  // namespace vantiq
