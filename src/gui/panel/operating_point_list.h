#pragma once

#include <QTreeWidget>

#include <unordered_map>
#include <vector>

#include "core/advisor/advice_order.h"
#include "core/advisor/operating_point.h"
#include "core/advisor/pull_down.h"
#include "core/base/tem_base.h"

namespace vantiq {

// The operating points the advisor found, one row each: "№", "TEM name",
// "n", "I (A)", "U (V)", "P (W)", "COP" and "Th (°C)", and with pull-down
// times "Pull-down (s)" ("never" where the set cannot get there). A click on a column
// header sorts the rows by that column in its natural direction, a second
// click on the same header turns it round; "№" goes back to the order by
// power. Clicking a row chooses its point; with Ctrl and Shift up to three
// points are picked for comparing. The arrow keys move to another row and
// choose it, and Enter chooses the current row, as a click would.
class OperatingPointList : public QTreeWidget {
    Q_OBJECT

public:
    explicit OperatingPointList(const TemBase& base, QWidget* parent = nullptr);

    // Shows `points`, in their order (the advisor's, by power), with
    // `pullDowns` (one per point, or none for no pull-down column).
    void SetPoints(std::vector<OperatingPoint> points, std::vector<PullDown> pullDowns = {});
    // The points in the order the rows show them.
    const std::vector<OperatingPoint>& Points() const { return points_; }
    // Sorts the rows by `column`, as a click on its header does.
    void SortByColumn(int column);

signals:
    // A row was clicked, or chosen from the keyboard.
    void RowClicked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowRows();

    const TemBase& base_;
    std::vector<OperatingPoint> points_;
    // By module, which has one point at most.
    std::unordered_map<std::uint32_t, PullDown> pullDowns_;
    int sortColumn_ = 0;
    bool reversed_ = false;
};

}  // namespace vantiq
