#include "basetool/basetool_args.h"

namespace vantiq {
namespace {

constexpr const char* kFooter =
    "Without a catalogue, dump and check take the first Base.tmb in the current folder, the "
    "user's data folder or the installed share/vantiq.\n"
    "Run 'vantiq-basetool COMMAND --help' for a command's options.\n"
    "Exit status: 0 on success, 1 on a failure (check: the program would refuse the file), "
    "2 on bad arguments, 3 when check finds problems the program tolerates.";

CommandSpec PackCommand() {
    return {"pack",
            "Builds a catalogue file from a CSV source with the columns name,nominal_current,"
            "pellet_count,pellet_length,pellet_side,width,length,height,electrical_conductivity,"
            "seebeck_coefficient,thermal_conductivity,picture (names in UTF-8, at most 29 bytes "
            "in Windows-1251; legs in m, sizes in mm).",
            1,
            {
                {"-o", "Base.tmb", "the catalogue file to write (required)"},
                {"--pictures", "DIR",
                 "where the picture column's files are; when the column is empty, DIR/<name>.png, "
                 ".jpg or .bmp is taken if there is one"},
                {"--draw-datasheets", "", "draw a datasheet for every module still without one"},
            },
            "Usage: vantiq-basetool pack CATALOGUE.csv [--pictures DIR] [--draw-datasheets] "
            "-o Base.tmb"};
}

CommandSpec DumpCommand() {
    return {"dump",
            "Writes the catalogue back as that CSV to standard output.",
            1,
            {{"--pictures", "DIR", "write every picture to DIR/<index>.<png|jpg|bmp|gif|bin>"}},
            "Usage: vantiq-basetool dump [Base.tmb] [--pictures DIR]",
            1};
}

CommandSpec CheckCommand() {
    return {"check",
            "Lists every problem of a catalogue file with the module's index and name, deriving "
            "every module at hot sides 223-373 K.",
            1,
            {{"--thot-step", "K", "kelvin between the hot sides, 1 to 150 (default 10)"}},
            "Usage: vantiq-basetool check [Base.tmb] [--thot-step K]",
            1};
}

}  // namespace

const ToolSpec& BaseToolSyntax() {
    static const ToolSpec syntax{"vantiq-basetool",
                                 "Builds, inspects and checks catalogue files.",
                                 {},
                                 {PackCommand(), DumpCommand(), CheckCommand()},
                                 kFooter};
    return syntax;
}

}  // namespace vantiq
