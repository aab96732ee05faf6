#pragma once

#include <vector>

#include "core/base/tem_base.h"
#include "core/stack/stack_point.h"
#include "core/stack/stack_pull_down.h"
#include "gui/panel/sortable_row_list.h"

namespace vantiq {

// The two-stage stacks found, one row each: "№", "TEM name" (top / bottom),
// "n", "I (A)" and "U (V)" (each per module, top / bottom), "P (W)", "COP",
// "Tb (°C)" between the stages, "Th (°C)", "Currents", and with pull-down
// times "Pull-down (s)", sorted and chosen as every SortableRowList is. The
// columns sort by power, COP, the top's current or the top's name; the
// others as power.
class StackList : public SortableRowList {
    Q_OBJECT

public:
    explicit StackList(const TemBase& base, QWidget* parent = nullptr);

    // Shows `stacks` in their order, with `pullDowns` (one per stack, or
    // none for no pull-down column).
    void SetStacks(std::vector<StackPoint> stacks, std::vector<StackPullDown> pullDowns = {});
    // The stacks in the order the rows show them.
    const std::vector<StackPoint>& Stacks() const { return stacks_; }

protected:
    std::size_t RowCount() const override { return stacks_.size(); }
    QStringList RowTexts(std::size_t row) const override;
    // The top module, which heads one stack at most.
    std::uint32_t RowModule(std::size_t row) const override { return stacks_[row].top; }
    void SortRows(AdviceOrder order) override;

private:
    const TemBase& base_;
    std::vector<StackPoint> stacks_;
};

}  // namespace vantiq
