#include "gui/view/answer_model.h"

namespace vantiq {

void AnswerModel::Show(const std::vector<std::string>& headers,
                       const std::vector<std::vector<std::string>>& cells) {
    beginResetModel();
    headers_.clear();
    for (const std::string& header : headers) {
        headers_.append(QString::fromStdString(header));
    }
    cells_.clear();
    cells_.reserve(cells.size());
    for (const auto& row : cells) {
        QStringList& texts = cells_.emplace_back();
        for (const std::string& cell : row) {
            texts.append(QString::fromStdString(cell));
        }
    }
    endResetModel();
}

int AnswerModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int AnswerModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant AnswerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const QStringList& row = cells_[static_cast<std::size_t>(index.row())];
    const QString text = index.column() < row.size() ? row[index.column()] : QString();
    if (role == Qt::DisplayRole) {
        return text;
    }
    if (role == Qt::TextAlignmentRole) {
        bool number = false;
        text.toDouble(&number);
        return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}

QVariant AnswerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return section < headers_.size() ? headers_[section] : QVariant();
}

QString AnswerModel::RowsText(const std::vector<int>& rows) const {
    QStringList lines = {headers_.join(QLatin1Char('\t'))};
    for (const int row : rows) {
        if (row >= 0 && row < rowCount()) {
            lines.append(cells_[static_cast<std::size_t>(row)].join(QLatin1Char('\t')));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace vantiq
