#pragma once

#include <vector>

class QAbstractItemView;

namespace vantiq {

// Modules are compared three at a time at most: more curves on one graph
// could not be told apart.
inline constexpr int kMaxPickedRows = 3;

// Lets `view` select rows with Ctrl and Shift, at most kMaxPickedRows of them:
// a click or range that would pick more keeps the rows picked before and as
// many of the new ones, from the top, as still fit.
void AllowPickingRows(QAbstractItemView* view);

// The picked rows of `view`, top to bottom.
std::vector<int> PickedRows(const QAbstractItemView* view);

}  // namespace vantiq
