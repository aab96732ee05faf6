#include "cli/cli_app.h"

#include <functional>
#include <ostream>

#include "cli/advise_command.h"
#include "cli/cli_options.h"
#include "cli/cli_syntax.h"
#include "cli/list_command.h"
#include "cli/search_command.h"
#ifdef VANTIQ_HAVE_RENDER
#include "cli/print_command.h"
#include "cli/render_command.h"
#endif

namespace vantiq {
namespace {

using Command = std::function<int(const ParsedArgs&, std::ostream&, std::ostream&)>;

struct CommandEntry {
    const char* name;
    Command run;
};

const CommandEntry kCommands[] = {
    {"list", RunListCommand},     {"search", RunSearchCommand}, {"advise", RunAdviseCommand},
#ifdef VANTIQ_HAVE_RENDER
    {"render", RunRenderCommand}, {"print", RunPrintCommand},
#endif
};

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args);
    if (parsed.help) {
        out << parsed.helpText;
        return kExitOk;
    }
    if (!parsed.error.empty()) {
        err << "vantiq-cli: " << parsed.error << "\n" << UsageHint(CliSyntax(), parsed.command);
        return kExitUsage;
    }
    for (const auto& command : kCommands) {
        if (parsed.command == command.name) {
            const int status = command.run(parsed, out, err);
            if (status == kExitUsage) {
                err << UsageHint(CliSyntax(), parsed.command);
            }
            return status;
        }
    }
    return kExitUsage;  // the syntax knows no command that is not listed above
}

}  // namespace vantiq
