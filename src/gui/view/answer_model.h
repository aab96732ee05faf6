#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

namespace vantiq {

// The cells of the table of answers as texts: headers with their units and
// one row of cells per operating point or stack, in the order shown. It
// holds only what it was last given; numbers are aligned right.
class AnswerModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows `headers` over `cells` (UTF-8), in place of what it showed.
    void Show(const std::vector<std::string>& headers,
              const std::vector<std::vector<std::string>>& cells);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows `rows` as text: the headers, then each row, cells separated by
    // tabs and rows by line ends, for the clipboard.
    QString RowsText(const std::vector<int>& rows) const;

private:
    QStringList headers_;
    std::vector<QStringList> cells_;
};

}  // namespace vantiq
