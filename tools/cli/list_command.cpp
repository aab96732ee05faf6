#include "cli/list_command.h"

#include <ostream>

#include "cli/cli_app.h"
#include "cli/module_table.h"
#include "core/base/cp1251.h"
#include "core/report/module_fields.h"

namespace vantiq {

int RunListCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    TemBase base;
    if (!OpenAndLoad(args.global, base, err)) {
        return kExitFailure;
    }
    CsvRow header = {"index", "name"};
    for (auto& field : ModuleValueHeader()) {
        header.push_back(field);
    }
    out << FormatCsvRow(header);
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        const TemRecord& record = base.records[i];
        CsvRow row = {std::to_string(i), Cp1251ToUtf8(record.Name())};
        for (auto& field : ModuleValueFields(record)) {
            row.push_back(std::move(field));
        }
        out << FormatCsvRow(row);
    }
    return kExitOk;
}

}  // namespace vantiq
