#include "gui/panel/result_list_model.h"

#include "core/base/cp1251.h"

namespace vantiq {

void ResultListModel::ShowRows(const std::vector<std::string>* names) {
    beginResetModel();
    names_ = names;
    thirdText_ = nullptr;
    endResetModel();
}

void ResultListModel::SetThirdColumn(const std::string& header, ColumnText text) {
    beginResetModel();
    thirdHeader_ = QString::fromStdString(header);
    thirdText_ = header.empty() ? nullptr : std::move(text);
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || names_ == nullptr ? 0 : static_cast<int>(names_->size());
}

int ResultListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return thirdHeader_.isEmpty() ? 2 : 3;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    // The list may have changed under a view that has not been told yet.
    if (role != Qt::DisplayRole || !index.isValid() || names_ == nullptr ||
        static_cast<std::size_t>(index.row()) >= names_->size()) {
        return {};
    }
    return CellText(static_cast<std::size_t>(index.row()), index.column());
}

QString ResultListModel::CellText(std::size_t row, int column) const {
    switch (column) {
        case 0:
            return QString::number(row);
        case 1:
            return QString::fromStdString(Cp1251ToUtf8((*names_)[row]));
        default:
            return thirdText_ ? QString::fromStdString(thirdText_(row)) : QString();
    }
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case 0:
            return QStringLiteral("№");
        case 1:
            return QStringLiteral("TEM name");
        case 2:
            return thirdHeader_;
        default:
            return {};
    }
}

}  // namespace vantiq
