#include "cli/search_command.h"

#include <ostream>

#include "cli/cli_app.h"
#include "cli/module_table.h"
#include "cli/search_options.h"
#include "core/base/cp1251.h"
#include "core/selection/criteria_text.h"
#include "core/selection/list_actions.h"

namespace vantiq {
namespace {

constexpr const char* kNoMatch = "There is no TEM found that meets requested requirements";

void PrintRows(const TemBase& base, const ResultList& list, std::ostream& out) {
    CsvRow header = {"row", "index", "name"};
    for (auto& field : ModuleValueHeader()) {
        header.push_back(field);
    }
    out << FormatCsvRow(header);
    const auto modules = list.Modules(base);
    for (std::size_t k = 0; k < modules.size(); ++k) {
        const TemRecord& record = base.records.at(static_cast<std::size_t>(modules[k]));
        CsvRow row = {std::to_string(k), std::to_string(modules[k]), Cp1251ToUtf8(record.Name())};
        for (auto& field : ModuleValueFields(record)) {
            row.push_back(std::move(field));
        }
        out << FormatCsvRow(row);
    }
}

}  // namespace

int RunSearchCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    SearchRequest request;
    if (const auto error = ReadSearchRequest(args, request); !error.empty()) {
        err << error << "\n";
        return kExitUsage;
    }
    TemBase base;
    if (!OpenAndLoad(args.global, base, err)) {
        return kExitFailure;
    }
    err << CriteriaTextUtf8(request.criteria);
    ResultList list;
    if (!ListSearchResult(base, request.criteria, request.key, request.order, list)) {
        err << kNoMatch << "\n";
    }
    PrintRows(base, list, out);
    return kExitOk;
}

}  // namespace vantiq
