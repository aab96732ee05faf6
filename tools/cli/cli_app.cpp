#include "cli/cli_app.h"

#include <functional>
#include <ostream>

#include "cli/cli_options.h"
#include "cli/list_command.h"
#include "cli/search_command.h"
#ifdef VANTIQ_HAVE_RENDER
#include "cli/print_command.h"
#include "cli/render_command.h"
#endif

namespace vantiq {
namespace {

constexpr const char* kUsage =
    "Usage: vantiq-cli [--base FILE] [--thot-c C] COMMAND [OPTIONS]\n"
    "\n"
    "Derives the rated values of every module of a catalogue at a hot-side\n"
    "temperature and works with them without a window.\n"
    "\n"
    "Global options:\n"
    "  --base FILE   the catalogue (default: the first Base.tmb in the current\n"
    "                folder, the user's data folder or the installed share/vantiq)\n"
    "  --thot-c C    hot-side temperature in degrees Celsius, -50 to 100 (default 25);\n"
    "                the model uses C + 273 K\n"
    "\n"
    "Commands:\n"
    "  list          every module in base order, as CSV:\n"
    "                index,name,imax,umax,dtmax,qmax,ac_resistance,pellets,width,length,height\n"
    "                (rated fields empty for a module that cannot be derived)\n"
    "  search        the modules that meet every requirement given, sorted as the\n"
    "                window's list, as CSV: row,index,name, then the fields of list;\n"
    "                the criteria text goes to standard error\n"
    "  render --module NAME --mode graph|datasheet [--size WxH] -o FILE.png\n"
    "                what the window shows for the first module of that name at a\n"
    "                client size (default 1200x800): its four performance graphs in\n"
    "                the stored curve colours, or its datasheet picture\n"
    "  print --module NAME --page datasheet|graphs [--dpi N] -o FILE.pdf\n"
    "                the printed page of the first module of that name as a one-page\n"
    "                A4 PDF: its datasheet picture, or its table and four graphs;\n"
    "                N dots per inch, 72 to 1200 (default 300)\n"
    "\n"
    "Options of search (an option not given is no requirement):\n"
    "  --q W                     heat load to pump\n"
    "  --dt K                    temperature difference to reach\n"
    "  --supply-voltage V        the power supply's voltage\n"
    "  --supply-current A        the power supply's current\n"
    "  --resistance OHM          the module's AC resistance\n"
    "  --tolerance 1|5|10|20     resistance tolerance in percent (default 1)\n"
    "  --mode supply|resistance  which electrical requirement counts (default supply)\n"
    "  --width MM, --length MM, --height MM   largest dimensions\n"
    "  --name FRAGMENT           part of the name, case-sensitive, at most 29 characters\n"
    "  --sort name|qmax|pellets|imax|umax     sort key (default name)\n"
    "  --order desc|asc          direction (default desc)\n"
    "\n"
    "Exit status: 0 on success, 1 when the catalogue cannot be used, 2 on bad arguments.\n";

using Command = std::function<int(const ParsedArgs&, std::ostream&, std::ostream&)>;

struct CommandEntry {
    const char* name;
    Command run;
};

const CommandEntry kCommands[] = {
    {"list", RunListCommand},
    {"search", RunSearchCommand},
#ifdef VANTIQ_HAVE_RENDER
    {"render", RunRenderCommand},
    {"print", RunPrintCommand},
#endif
};

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args);
    if (parsed.help) {
        out << kUsage;
        return kExitOk;
    }
    if (!parsed.error.empty() || parsed.command.empty()) {
        err << "vantiq-cli: " << (parsed.error.empty() ? "no command given" : parsed.error)
            << "\n\n"
            << kUsage;
        return kExitUsage;
    }
    for (const auto& command : kCommands) {
        if (parsed.command == command.name) {
            const int status = command.run(parsed, out, err);
            if (status == kExitUsage) {
                err << "\n" << kUsage;
            }
            return status;
        }
    }
    err << "vantiq-cli: unknown command " << parsed.command << "\n\n" << kUsage;
    return kExitUsage;
}

}  // namespace vantiq
