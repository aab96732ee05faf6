#pragma once

#include <QTreeWidget>

#include <string>
#include <utility>
#include <vector>

namespace vantiq {

// The found modules, one row each: "№", "TEM name" and, for a sort by value,
// a third column with that value. Names are kept as the catalogue's
// Windows-1251 bytes and shown decoded. The selection mark is the row last
// clicked or set; moving the highlight with the keys does not change it.
class ResultListView : public QTreeWidget {
    Q_OBJECT

public:
    explicit ResultListView(QWidget* parent = nullptr);

    int RowCount() const { return topLevelItemCount(); }
    void Clear();
    // A row's "№" text and catalogue name.
    using Row = std::pair<std::string, std::string>;
    // Replaces the rows with `rows`, inserted at once: one by one, a list of
    // tens of thousands of modules takes seconds to fill.
    void SetRows(const std::vector<Row>& rows);
    // The names of all rows, in row order.
    std::vector<std::string> Names() const;
    // The name of `row`; empty when there is no such row.
    std::string NameAt(int row) const;

    // Rows numbered 0 to n − 1 with `names`, without a third column.
    void SetNames(const std::vector<std::string>& names);
    // Shows the third column with `header` and one value per row; an empty
    // header removes the column.
    void SetThirdColumn(const std::string& header, const std::vector<std::string>& values);

    int Mark() const { return mark_; }
    // Makes `row` the selection mark and highlights it.
    void SetMark(int row);

signals:
    // The user clicked into the list (on a row or not).
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int mark_ = -1;
};

}  // namespace vantiq
