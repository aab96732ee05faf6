#include "basetool/basetool_args.h"

#include <algorithm>

namespace vantiq {
namespace {

bool Contains(const std::vector<std::string>& list, const std::string& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

// Takes the option at `words[i]`; returns the index of the last word used.
std::size_t TakeOption(const std::vector<std::string>& words, std::size_t i,
                       const CommandSyntax& syntax, CommandArgs& args) {
    const std::string& word = words[i];
    if (Contains(syntax.flags, word)) {
        args.flags.insert(word);
    } else if (!Contains(syntax.valued, word)) {
        args.error = "unknown option " + word;
    } else if (i + 1 >= words.size()) {
        args.error = word + " needs a value";
    } else if (!args.values.emplace(word, words[i + 1]).second) {
        args.error = word + " is given twice";
    } else {
        return i + 1;
    }
    return i;
}

}  // namespace

std::string CommandArgs::Value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

CommandArgs ParseCommandArgs(const std::vector<std::string>& words, const CommandSyntax& syntax) {
    CommandArgs args;
    for (std::size_t i = 0; i < words.size() && args.error.empty(); ++i) {
        if (words[i].size() > 1 && words[i][0] == '-') {
            i = TakeOption(words, i, syntax, args);
        } else {
            args.operands.push_back(words[i]);
        }
    }
    const std::size_t given = args.operands.size();
    if (args.error.empty() &&
        (given > syntax.operands || given + syntax.optionalOperands < syntax.operands)) {
        args.error = "expected " + std::to_string(syntax.operands) + " file name" +
                     (syntax.operands == 1 ? "" : "s") + ", found " +
                     std::to_string(args.operands.size());
    }
    return args;
}

}  // namespace vantiq
