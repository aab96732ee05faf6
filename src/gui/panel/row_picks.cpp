#include "gui/panel/row_picks.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

namespace vantiq {
namespace {

void DropPicksBeyondTheLimit(QAbstractItemView* view, const QItemSelection& added) {
    QItemSelectionModel* model = view->selectionModel();
    auto count = static_cast<int>(model->selectedRows().size());
    if (count <= kMaxPickedRows) {
        return;
    }
    std::vector<int> fresh;
    for (const QModelIndex& index : added.indexes()) {
        if (index.column() == 0) {
            fresh.push_back(index.row());
        }
    }
    std::sort(fresh.begin(), fresh.end());
    // The last new rows go first; the deselection re-enters here with a
    // count within the limit and stops.
    for (auto row = fresh.rbegin(); row != fresh.rend() && count > kMaxPickedRows; ++row) {
        model->select(view->model()->index(*row, 0),
                      QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        --count;
    }
}

}  // namespace

void AllowPickingRows(QAbstractItemView* view) {
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                     [view](const QItemSelection& added, const QItemSelection&) {
                         DropPicksBeyondTheLimit(view, added);
                     });
}

std::vector<int> PickedRows(const QAbstractItemView* view) {
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace vantiq
