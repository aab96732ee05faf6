#include "cli/cli_options.h"

#include <algorithm>

#include "common/numbers.h"

namespace vantiq {
namespace {

constexpr double kCelsiusOffset = 273.0;
constexpr double kMinThotCelsius = -50.0;
constexpr double kMaxThotCelsius = 100.0;

std::string ReadGlobalOption(const std::string& name, const std::string& value,
                             GlobalOptions& global) {
    if (name == "base") {
        global.basePath = value;
        return {};
    }
    if (name == "thot-c") {
        const auto celsius = ParseStrictNumber(value);
        if (!celsius || *celsius < kMinThotCelsius || *celsius > kMaxThotCelsius) {
            return "--thot-c takes a temperature from -50 to 100 (degrees Celsius)";
        }
        global.thot = *celsius + kCelsiusOffset;
        return {};
    }
    return "unknown option --" + name;
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& args) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& word = args[i];
        if (word == "--help" || word == "-h") {
            parsed.help = true;
            continue;
        }
        // Long options are `--name`; a one-letter option such as -o is `-x`.
        const bool shortOption = word.size() == 2 && word[0] == '-' && word[1] != '-';
        if (word.rfind("--", 0) != 0 && !shortOption) {
            if (!parsed.command.empty()) {
                parsed.error = "unexpected argument " + word;
            }
            parsed.command = word;
            continue;
        }
        if (i + 1 >= args.size()) {
            parsed.error = word + " needs a value";
            break;
        }
        const std::string name = word.substr(shortOption ? 1 : 2);
        const std::string& value = args[++i];
        if (parsed.command.empty()) {
            parsed.error = ReadGlobalOption(name, value, parsed.global);
        } else {
            parsed.options[name] = value;
        }
    }
    return parsed;
}

std::string ReadNumberOption(const ParsedArgs& args, const std::string& name, double& value) {
    const auto found = args.options.find(name);
    if (found == args.options.end()) {
        return {};
    }
    const auto number = ParseStrictNumber(found->second);
    if (!number) {
        return "--" + name + " takes a number, not '" + found->second + "'";
    }
    value = *number;
    return {};
}

std::string OptionValue(const ParsedArgs& args, const std::string& name) {
    const auto found = args.options.find(name);
    return found == args.options.end() ? std::string() : found->second;
}

std::string ReadChoiceOption(const ParsedArgs& args, const std::string& name,
                             const std::vector<std::string>& choices, std::string& value) {
    value = OptionValue(args, name);
    if (value.empty() || std::find(choices.begin(), choices.end(), value) != choices.end()) {
        return {};
    }
    std::string listed;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        listed += (i == 0 ? "" : i + 1 == choices.size() ? " or " : ", ") + choices[i];
    }
    return "--" + name + " takes " + listed + ", not '" + value + "'";
}

std::string CheckKnownOptions(const ParsedArgs& args, const std::vector<std::string>& known) {
    for (const auto& [name, value] : args.options) {
        bool found = false;
        for (const auto& k : known) {
            found = found || k == name;
        }
        if (!found) {
            return "unknown option --" + name + " for " + args.command;
        }
    }
    return {};
}

}  // namespace vantiq
