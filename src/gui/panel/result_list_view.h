#pragma once

#include <QTreeWidget>

#include <string>
#include <vector>

namespace vantiq {

// Shows the result list (ResultList): "№", "TEM name" and, for a sort by
// value, a third column with that value. Names arrive as the catalogue's
// Windows-1251 bytes and are shown decoded. The list's rows, order and mark
// are the ResultList's; this widget only shows them and reports clicks.
// With Ctrl and Shift up to three rows are picked for comparing.
class ResultListView : public QTreeWidget {
    Q_OBJECT

public:
    explicit ResultListView(QWidget* parent = nullptr);

    int RowCount() const { return topLevelItemCount(); }

    // Shows `names` as rows numbered 0 to n − 1, inserted at once: one by
    // one, a list of tens of thousands of modules takes seconds to fill. The
    // third column, if any, stays with its header and loses its texts.
    void ShowRows(const std::vector<std::string>& names);
    // Shows the third column with `header` and one value per row; an empty
    // header removes the column.
    void SetThirdColumn(const std::string& header, const std::vector<std::string>& values);
    // Highlights `row` (the list's mark), picking it alone, and scrolls to
    // it; -1 highlights nothing.
    void ShowMark(std::ptrdiff_t row);
    // The rows picked for comparing, top to bottom.
    std::vector<int> Picked() const;
    // Adds `rows` to the picks, as far as the limit allows.
    void AddPicks(const std::vector<int>& rows);

signals:
    // The user clicked into the list: on `row`, or beside the rows (-1); or
    // moved the highlight to `row` with the keys, or pressed Enter on it; or
    // changed the picked rows. A row that a Ctrl-click dropped from the picks
    // is reported as the first row still picked; a fourth pick is refused
    // with a tooltip and reports nothing.
    void Clicked(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int pressedRow_ = -1;
    std::vector<int> picksAtPress_;
};

}  // namespace vantiq
