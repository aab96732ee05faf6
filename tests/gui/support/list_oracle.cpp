#include "list_oracle.h"

#include <QAbstractItemView>

#include <algorithm>
#include <string>
#include <vector>

#include "core/base/cp1251.h"

namespace vantiq::test {

QStringList NamesDescending(const TemBase& base,
                            const std::function<bool(const TemRecord&)>& keep) {
    std::vector<std::string> names;
    for (const TemRecord& record : base.records) {
        if (record.rated.derivable && (!keep || keep(record))) {
            names.emplace_back(record.Name());
        }
    }
    // std::string compares its bytes as unsigned characters.
    std::sort(names.begin(), names.end(), std::greater<>());
    QStringList shown;
    for (const std::string& name : names) {
        shown << QString::fromStdString(Cp1251ToUtf8(name));
    }
    return shown;
}

int RowCount(const QAbstractItemView* list) {
    return list->model()->rowCount();
}

QString CellText(const QAbstractItemView* list, int row, int column) {
    return list->model()->index(row, column).data().toString();
}

QStringList ColumnTexts(const QAbstractItemView* list, int column) {
    QStringList texts;
    for (int row = 0; row < RowCount(list); ++row) {
        texts << CellText(list, row, column);
    }
    return texts;
}

QRect RowRect(const QAbstractItemView* list, int row) {
    return list->visualRect(list->model()->index(row, 0));
}

}  // namespace vantiq::test
