#pragma once

#include <QTreeWidget>

#include <unordered_map>
#include <vector>

#include "core/advisor/advice_order.h"
#include "core/base/tem_base.h"
#include "core/stack/stack_point.h"
#include "core/stack/stack_pull_down.h"

namespace vantiq {

// The two-stage stacks found, one row each: "№", "TEM name" (top / bottom),
// "n", "I (A)" and "U (V)" (each per module, top / bottom), "P (W)", "COP",
// "Tb (°C)" between the stages, "Th (°C)", "Currents", and with pull-down
// times "Pull-down (s)" ("never" where the stack cannot get there). A click
// on a column header sorts by power, COP, the top's current or the top's
// name; "№" goes back to the order by power. Clicking a row chooses its
// stack.
class StackList : public QTreeWidget {
    Q_OBJECT

public:
    explicit StackList(const TemBase& base, QWidget* parent = nullptr);

    // Shows `stacks` in their order, with `pullDowns` (one per stack, or
    // none for no pull-down column).
    void SetStacks(std::vector<StackPoint> stacks, std::vector<StackPullDown> pullDowns = {});
    // The stacks in the order the rows show them.
    const std::vector<StackPoint>& Stacks() const { return stacks_; }
    // Sorts the rows by `column`, as a click on its header does.
    void SortByColumn(int column);

signals:
    // A row was clicked.
    void RowClicked(int row);

private:
    void ShowRows();

    const TemBase& base_;
    std::vector<StackPoint> stacks_;
    // By top module, which heads one stack at most.
    std::unordered_map<std::uint32_t, StackPullDown> pullDowns_;
    int sortColumn_ = 0;
    bool reversed_ = false;
};

}  // namespace vantiq
