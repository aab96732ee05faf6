#pragma once

#include <QTreeWidget>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/advisor/advice_order.h"

namespace vantiq {

// A list of the advisor's answers, one row each, under a header of given
// columns. A click on a column header sorts the rows by that column's key in
// its natural direction, a second click on the same header turns it round;
// the first column ("№") goes back to the order by power. With pull-down
// times a last column "Pull-down (s)" shows each row's ("never" where its
// current cannot get there). Clicking a row, moving to it with the arrow
// keys or pressing Enter on it chooses it (RowClicked). A list says only what
// its columns are and what its rows hold.
class SortableRowList : public QTreeWidget {
    Q_OBJECT

public:
    // A column: its header and the key its rows sort by.
    struct Column {
        QString label;
        AdviceKey key = AdviceKey::Power;
    };

    // Sorts the rows by `column`, as a click on its header does; the
    // pull-down column, and a column past the last, do nothing.
    void SortByColumn(int column);

signals:
    // A row was clicked, or chosen from the keyboard.
    void RowClicked(int row);

protected:
    SortableRowList(std::vector<Column> columns, QWidget* parent);

    // Shows the rows anew in the list's own order, the header back at "№";
    // `pullDowns` holds the seconds by RowModule (empty: no pull-down
    // column).
    void ShowNewRows(std::unordered_map<std::uint32_t, std::optional<double>> pullDowns);

    virtual std::size_t RowCount() const = 0;
    // The texts of `row`'s columns, from "№" on, without the pull-down.
    virtual QStringList RowTexts(std::size_t row) const = 0;
    // The module a row's pull-down time is kept by; it heads that row only.
    virtual std::uint32_t RowModule(std::size_t row) const = 0;
    virtual void SortRows(AdviceOrder order) = 0;

    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowRows();

    std::vector<Column> columns_;
    std::unordered_map<std::uint32_t, std::optional<double>> pullDowns_;
    int sortColumn_ = 0;
    bool reversed_ = false;
};

}  // namespace vantiq
