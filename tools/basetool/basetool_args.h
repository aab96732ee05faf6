#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vantiq {

// What one command accepts: how many operands, which options take a value
// ("-o", "--pictures") and which stand alone ("--draw-datasheets").
struct CommandSyntax {
    std::size_t operands = 0;
    std::size_t optionalOperands = 0;  // how many of the last operands may be left out
    std::vector<std::string> valued;
    std::vector<std::string> flags;
};

// The words after the command name, sorted by the command's syntax.
struct CommandArgs {
    std::vector<std::string> operands;
    std::map<std::string, std::string> values;  // keyed by the option as written
    std::set<std::string> flags;
    std::string error;  // a usage error, or empty

    // The value of option `name`, or empty when it was not given.
    std::string Value(const std::string& name) const;
    bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
};

// Sorts `words` into operands and options; options may come in any order
// and place. Unknown options, a repeated or valueless option and the wrong
// number of operands are usage errors.
CommandArgs ParseCommandArgs(const std::vector<std::string>& words, const CommandSyntax& syntax);

}  // namespace vantiq
