#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/model/hot_side.h"

namespace vantiq {

// The options every command shares.
struct GlobalOptions {
    std::string basePath;        // empty: looked for where the window program looks
    double thot = kDefaultThot;  // K
};

// The arguments sorted by the tool's syntax (see CliSyntax).
struct ParsedArgs {
    GlobalOptions global;
    std::string command;
    std::map<std::string, std::string> options;  // of the command, without "--" or "-"
    bool help = false;
    std::string helpText;  // the help of the tool or of the command asked about
    std::string error;     // a usage error in one line, or empty
};

// Parses the global options, the command word and the command's options
// with the tool's syntax; the hot side is checked here.
ParsedArgs ParseArgs(const std::vector<std::string>& args);

// Reads option `name` as a strict number into `value`; an option not given
// leaves `value` alone. Returns a usage error text, or empty.
std::string ReadNumberOption(const ParsedArgs& args, const std::string& name, double& value);

// The value of option `name`, or empty when it was not given.
std::string OptionValue(const ParsedArgs& args, const std::string& name);

// Reads option `name` into `value` when it is one of `choices` ("--mode takes
// graph or datasheet, not 'x'" otherwise); an option not given leaves `value`
// empty. Returns a usage error text, or empty.
std::string ReadChoiceOption(const ParsedArgs& args, const std::string& name,
                             const std::vector<std::string>& choices, std::string& value);

}  // namespace vantiq
