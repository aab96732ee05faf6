#include "basetool/basetool_app.h"

#include <ostream>

#include "basetool/check_command.h"
#include "basetool/dump_command.h"
#include "basetool/pack_command.h"
#include "common/exit_status.h"

namespace vantiq {
namespace {

constexpr const char* kUsage =
    "Usage: vantiq-basetool pack CATALOGUE.csv [--pictures DIR] [--draw-datasheets] -o Base.tmb\n"
    "       vantiq-basetool dump [Base.tmb] [--pictures DIR]\n"
    "       vantiq-basetool check [Base.tmb] [--thot-step K]\n"
    "\n"
    "  pack   builds a catalogue file from a CSV source with the columns\n"
    "         name,nominal_current,pellet_count,pellet_length,pellet_side,width,length,\n"
    "         height,electrical_conductivity,seebeck_coefficient,thermal_conductivity,picture\n"
    "         (names in UTF-8, at most 29 bytes in Windows-1251; legs in m, sizes in mm).\n"
    "         The picture column names a file in DIR; when it is empty, DIR/<name>.png,\n"
    "         .jpg or .bmp is taken if there is one. --draw-datasheets draws a datasheet\n"
    "         for every module still without a picture.\n"
    "  dump   writes the catalogue back as that CSV to standard output; with --pictures\n"
    "         every picture goes to DIR/<index>.<png|jpg|bmp|gif|bin>.\n"
    "  check  lists every problem of a catalogue file with the module's index and name,\n"
    "         deriving every module at hot sides 223-373 K in steps of K (default 10).\n"
    "\n"
    "  Without a catalogue, dump and check take the first Base.tmb in the current\n"
    "  folder, the user's data folder or the installed share/vantiq.\n"
    "\n"
    "Exit status: 0 on success, 1 on a failure (check: the program would refuse the\n"
    "file), 2 on bad arguments, 3 when check finds problems the program tolerates.\n";

struct Command {
    const char* name;
    CommandSyntax (*syntax)();
    int (*run)(const CommandArgs&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"pack", PackSyntax, RunPackCommand},
    {"dump", DumpSyntax, RunDumpCommand},
    {"check", CheckSyntax, RunCheckCommand},
};

}  // namespace

int RunBaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitOk;
    }
    for (const auto& command : kCommands) {
        if (!args.empty() && args[0] == command.name) {
            const std::vector<std::string> words(args.begin() + 1, args.end());
            const CommandArgs parsed = ParseCommandArgs(words, command.syntax());
            if (!parsed.error.empty()) {
                err << "vantiq-basetool " << command.name << ": " << parsed.error << "\n\n"
                    << kUsage;
                return kExitUsage;
            }
            return command.run(parsed, out, err);
        }
    }
    err << kUsage;
    return kExitUsage;
}

}  // namespace vantiq
