#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vantiq {

// One option as written on the command line ("--q", "-o"), with the name of
// its value ("W"; empty for a flag that takes none) and a line of help.
struct OptionSpec {
    std::string name;
    std::string valueName;
    std::string help;
};

// One command of a tool: its word, its help, how many file names it takes
// and its options.
struct CommandSpec {
    std::string name;
    std::string description;
    std::size_t operands = 0;
    std::vector<OptionSpec> options;
    std::string footer;                // printed under the options by --help
    std::size_t optionalOperands = 0;  // how many of the last file names may be left out
    std::size_t extraOperands = 0;     // how many more file names may follow
};

// A whole tool: the options before the command, and its commands.
struct ToolSpec {
    std::string name;
    std::string description;
    std::vector<OptionSpec> globals;
    std::vector<CommandSpec> commands;
    std::string footer;
};

// The arguments sorted by a tool's syntax. Values are text: each command
// reads its numbers itself, strictly, and names the option when one is bad.
struct CommandLine {
    std::string command;                        // empty when none was given
    std::map<std::string, std::string> values;  // keyed as written, globals too
    std::set<std::string> flags;
    std::vector<std::string> operands;
    bool help = false;  // --help or -h: `helpText` is what to print
    std::string helpText;
    std::string error;  // one line naming what is wrong, or empty

    // The value of `option` ("--q"), or empty when it was not given.
    std::string Value(const std::string& option) const;
    // Whether `option` was given, with a value or as a flag.
    bool Has(const std::string& option) const {
        return values.count(option) > 0 || flags.count(option) > 0;
    }
};

// Parses `args` (without the program name) with CLI11: one subcommand per
// command, each with its own --help. Unknown commands and options, a missing
// or repeated value and a wrong number of file names are errors.
CommandLine ParseCommandLine(const ToolSpec& tool, const std::vector<std::string>& args);

// The second line of every usage error: "Run 'TOOL COMMAND --help' for
// more." (without a command when none is known).
std::string UsageHint(const ToolSpec& tool, const std::string& command);

}  // namespace vantiq
