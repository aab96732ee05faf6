#include "basetool/basetool_args.h"

namespace vantiq {
namespace {

constexpr const char* kFooter =
    "Without a catalogue, dump and check take the first Base.tmb in the current folder, the "
    "user's data folder or the installed share/vantiq.\n"
    "Run 'vantiq-basetool COMMAND --help' for a command's options.\n"
    "Exit status: 0 on success, 1 on a failure (check: the program would refuse the file), "
    "2 on bad arguments, 3 when check finds problems the program tolerates.";

constexpr const char* kRatingsForm =
    "name,couples,rated_thot_c,imax,umax,dtmax,qmax,width,length,height and optionally "
    "pellet_length,pellet_side,ac_resistance,picture (A, V, K as a positive difference, W, mm, m, "
    "ohm)";

OptionSpec ModeOption() {
    return {"--mode", "M",
            "which ratings a fit keeps: minimax (the default: the largest deviation as small as "
            "it can be), imax-umax-dtmax, imax-dtmax-qmax, or balance (least squares over every "
            "rating given)"};
}

CommandSpec PackCommand() {
    return {"pack",
            "Builds a catalogue file from CSV sources with the columns name,nominal_current,"
            "pellet_count,pellet_length,pellet_side,width,length,height,electrical_conductivity,"
            "seebeck_coefficient,thermal_conductivity,picture (names in UTF-8, at most 29 bytes "
            "in Windows-1251; legs in m, sizes in mm), or datasheet ratings with the columns " +
                std::string(kRatingsForm) +
                ", which are fitted first. Each file holds one form; several files are packed in "
                "the order given.",
            1,
            {
                {"-o", "Base.tmb", "the catalogue file to write (required)"},
                {"--pictures", "DIR",
                 "where the picture column's files are; when the column is empty, DIR/<name>.png, "
                 ".jpg or .bmp is taken if there is one"},
                {"--draw-datasheets", "", "draw a datasheet for every module still without one"},
                ModeOption(),
            },
            "Usage: vantiq-basetool pack SOURCE.csv... [--pictures DIR] [--draw-datasheets] "
            "[--mode M] -o Base.tmb",
            0,
            15};
}

CommandSpec FitCommand() {
    return {"fit",
            "Fits module constants to datasheet ratings with the columns " +
                std::string(kRatingsForm) +
                ", writes them as the CSV source that pack reads and prints the rated against "
                "the derived values with their deviations.",
            1,
            {{"-o", "CATALOGUE.csv", "the source to write (required)"}, ModeOption()},
            "Usage: vantiq-basetool fit RATINGS.csv -o CATALOGUE.csv [--mode M]"};
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

CommandSpec RemoveCommand() {
    return {"remove",
            "Writes the catalogue without the module of that name, keeping the previous file as "
            "Base.tmb.bak.",
            1,
            {{"--name", "NAME", "the module to remove (required)"}},
            "Usage: vantiq-basetool remove Base.tmb --name NAME"};
}

}  // namespace

const ToolSpec& BaseToolSyntax() {
    static const ToolSpec syntax{
        "vantiq-basetool",
        "Builds, inspects and checks catalogue files.",
        {},
        {PackCommand(), FitCommand(), DumpCommand(), CheckCommand(), RemoveCommand()},
        kFooter};
    return syntax;
}

}  // namespace vantiq
