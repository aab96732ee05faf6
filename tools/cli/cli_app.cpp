#include "cli_app.h"

#include <functional>
#include <ostream>

#include "cli_options.h"
#include "list_command.h"
#ifdef VANTIQ_HAVE_RENDER
#include "print_command.h"
#include "render_command.h"
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
    "  --base FILE   the catalogue (default: Base.tmb in the current directory)\n"
    "  --thot-c C    hot-side temperature in degrees Celsius, -50 to 100 (default 25);\n"
    "                the model uses C + 273 K\n"
    "\n"
    "Commands:\n"
    "  list          every module in base order, as CSV:\n"
    "                index,name,imax,umax,dtmax,qmax,ac_resistance,pellets,width,length,height\n"
    "                (rated fields empty for a module that cannot be derived)\n"
    "  render --module NAME --mode graph|datasheet [--size WxH] -o FILE.png\n"
    "                what the window shows for the first module of that name at a\n"
    "                client size (default 1200x800): its four performance graphs in\n"
    "                the stored curve colours, or its datasheet picture\n"
    "  print --module NAME --page datasheet|graphs [--dpi N] -o FILE.pdf\n"
    "                the printed page of the first module of that name as a one-page\n"
    "                A4 PDF: its datasheet picture, or its table and four graphs;\n"
    "                N dots per inch, 72 to 1200 (default 300)\n"
    "\n"
    "Exit status: 0 on success, 1 when the catalogue cannot be used, 2 on bad arguments.\n";

using Command = std::function<int(const ParsedArgs&, std::ostream&, std::ostream&)>;

struct CommandEntry {
    const char* name;
    Command run;
};

const CommandEntry kCommands[] = {
    {"list", RunListCommand},
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
