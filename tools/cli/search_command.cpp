#include "cli/search_command.h"

#include <ostream>

#include "cli/cli_app.h"
#include "cli/module_table.h"
#include "cli/search_options.h"
#include "core/report/list_table.h"
#include "core/selection/criteria_text.h"
#include "core/selection/list_actions.h"

namespace vantiq {
namespace {

constexpr const char* kNoMatch = "There is no TEM found that meets requested requirements";

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
    if (!ListSearchResult(base, args.global.thot, request.criteria, request.key, request.order,
                          list)) {
        err << kNoMatch << "\n";
    }
    WriteListCsv(base, list, out);
    return kExitOk;
}

}  // namespace vantiq
