#pragma once

#include <QStringList>

#include <functional>

#include "core/base/tem_base.h"

class QTreeWidget;

namespace vantiq::test {

// The names of the base's derivable modules that `keep` accepts, decoded,
// in descending byte order of their catalogue names.
QStringList NamesDescending(const TemBase& base,
                            const std::function<bool(const TemRecord&)>& keep = {});

// The texts of `column` of every row of `list`.
QStringList ColumnTexts(const QTreeWidget* list, int column);

}  // namespace vantiq::test
