#include "basetool/basetool_app.h"

#include <ostream>

#include "basetool/basetool_args.h"
#include "basetool/check_command.h"
#include "basetool/dump_command.h"
#include "basetool/fit_command.h"
#include "basetool/pack_command.h"
#include "basetool/remove_command.h"
#include "common/exit_status.h"

namespace vantiq {
namespace {

struct Command {
    const char* name;
    int (*run)(const CommandArgs&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"pack", RunPackCommand},   {"fit", RunFitCommand},       {"dump", RunDumpCommand},
    {"check", RunCheckCommand}, {"remove", RunRemoveCommand},
};

}  // namespace

int RunBaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CommandArgs parsed = ParseCommandLine(BaseToolSyntax(), args);
    if (parsed.help) {
        out << parsed.helpText;
        return kExitOk;
    }
    const std::string hint = UsageHint(BaseToolSyntax(), parsed.command);
    if (!parsed.error.empty()) {
        err << "vantiq-basetool" << (parsed.command.empty() ? "" : " " + parsed.command) << ": "
            << parsed.error << "\n"
            << hint;
        return kExitUsage;
    }
    for (const auto& command : kCommands) {
        if (parsed.command == command.name) {
            const int status = command.run(parsed, out, err);
            if (status == kExitUsage) {
                err << hint;
            }
            return status;
        }
    }
    return kExitUsage;  // the syntax knows no command that is not listed above
}

}  // namespace vantiq
