#include "core/report/list_table.h"

#include <sstream>

#include "core/base/cp1251.h"
#include "core/report/csv.h"
#include "core/report/module_fields.h"

namespace vantiq {

std::string ListCsv(const TemBase& base, const ResultList& list) {
    std::ostringstream text;
    WriteListCsv(base, list, text);
    return std::move(text).str();
}

void WriteListCsv(const TemBase& base, const ResultList& list, std::ostream& out) {
    CsvRow header = {"row", "index", "name"};
    for (auto& field : ModuleValueHeader()) {
        header.push_back(std::move(field));
    }
    out << FormatCsvRow(header);
    const auto modules = list.Modules(base);
    for (std::size_t k = 0; k < modules.size(); ++k) {
        // Rows are names of the base, so each names a record.
        const TemRecord& record = base.records.at(static_cast<std::size_t>(modules[k]));
        CsvRow row = {std::to_string(k), std::to_string(modules[k]), Cp1251ToUtf8(record.Name())};
        for (auto& field : ModuleValueFields(record)) {
            row.push_back(std::move(field));
        }
        out << FormatCsvRow(row);
    }
}

}  // namespace vantiq
