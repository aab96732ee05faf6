#pragma once

#include <QAbstractTableModel>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vantiq {

// The result list's rows as a table for ResultListView: "№", "TEM name" and,
// for a sort by value, a third column. It owns no row of its own: the names
// are read from the list's vector and decoded from Windows-1251 when a row
// comes into view, so a million modules cost the window no more than the
// rows on screen.
class ResultListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The third column's text of a row, by row number.
    using ColumnText = std::function<std::string(std::size_t row)>;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows `names` as rows numbered 0 to n − 1. The model refers to
    // `names`, which must stay while shown and be shown again after every
    // change. The third column, if any, stays with its header and loses its
    // texts.
    void ShowRows(const std::vector<std::string>* names);
    // Shows the third column with `header` and `text` for each row; an empty
    // header removes the column.
    void SetThirdColumn(const std::string& header, ColumnText text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString CellText(std::size_t row, int column) const;

    const std::vector<std::string>* names_ = nullptr;
    QString thirdHeader_;
    ColumnText thirdText_;
};

}  // namespace vantiq
