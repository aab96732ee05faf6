#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/tem_base.h"

namespace vantiq {

// The options every command shares.
struct GlobalOptions {
    std::string basePath;                 // empty: looked for where the window program looks
    double thot = TemBase::kDefaultThot;  // K
};

// The arguments as `--name value` pairs and bare words, in the order given.
struct ParsedArgs {
    GlobalOptions global;
    std::string command;
    std::map<std::string, std::string> options;  // of the command, without "--"
    bool help = false;
    std::string error;  // a usage error, or empty
};

// Splits the arguments: global options up to the command word, then the
// command's `--name value` (or one-letter `-x value`) options. Every option takes
// a value except --help.
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

// Rejects options that the command does not know; returns a usage error or empty.
std::string CheckKnownOptions(const ParsedArgs& args, const std::vector<std::string>& known);

}  // namespace vantiq
