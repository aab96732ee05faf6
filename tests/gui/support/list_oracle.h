#pragma once

#include <QRect>
#include <QStringList>

#include <functional>

#include "core/base/tem_base.h"

class QAbstractItemView;

namespace vantiq::test {

// The names of the base's derivable modules that `keep` accepts, decoded,
// in descending byte order of their catalogue names.
QStringList NamesDescending(const TemBase& base,
                            const std::function<bool(const TemRecord&)>& keep = {});

// The number of rows of `list`.
int RowCount(const QAbstractItemView* list);
// The text shown in `row` and `column` of `list`.
QString CellText(const QAbstractItemView* list, int row, int column);
// The texts of `column` of every row of `list`.
QStringList ColumnTexts(const QAbstractItemView* list, int column);
// Where `row` of `list` is drawn, in the coordinates of its viewport.
QRect RowRect(const QAbstractItemView* list, int row);

}  // namespace vantiq::test
