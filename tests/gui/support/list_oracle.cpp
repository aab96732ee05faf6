#include "list_oracle.h"

#include <QTreeWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "core/base/cp1251.h"

namespace vantiq::test {

QStringList NamesDescending(const TemBase& base,
                            const std::function<bool(const TemRecord&)>& keep) {
    std::vector<std::string> names;
    for (const TemRecord& record : base.records) {
        if (record.derivable && (!keep || keep(record))) {
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

QStringList ColumnTexts(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        texts << list->topLevelItem(row)->text(column);
    }
    return texts;
}

}  // namespace vantiq::test
