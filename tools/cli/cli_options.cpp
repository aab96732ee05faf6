#include "cli/cli_options.h"

#include <algorithm>

#include "cli/cli_syntax.h"
#include "core/model/celsius.h"
#include "core/report/numbers.h"

namespace vantiq {
namespace {

constexpr double kMinThotCelsius = -50.0;
constexpr double kMaxThotCelsius = 100.0;

// Reads the hot side, the one global option that needs checking.
std::string ReadThot(const CommandLine& line, GlobalOptions& global) {
    if (!line.Has("--thot-c")) {
        return {};
    }
    const auto celsius = ParseStrictNumber(line.Value("--thot-c"));
    if (!celsius || *celsius < kMinThotCelsius || *celsius > kMaxThotCelsius) {
        return "--thot-c takes a temperature from -50 to 100 (degrees Celsius)";
    }
    global.thot = *celsius + kCelsiusOffset;
    return {};
}

// The option's name without its dashes: "--q" is "q", "-o" is "o".
std::string Bare(const std::string& option) {
    return option.substr(option.find_first_not_of('-'));
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& args) {
    const CommandLine line = ParseCommandLine(CliSyntax(), args);
    ParsedArgs parsed;
    parsed.command = line.command;
    parsed.help = line.help;
    parsed.helpText = line.helpText;
    parsed.error = line.error.empty() ? ReadThot(line, parsed.global) : line.error;
    if (line.Has("--base")) {
        parsed.global.basePath = line.Value("--base");
    }
    for (const auto& [option, value] : line.values) {
        if (option != "--base" && option != "--thot-c") {
            parsed.options[Bare(option)] = value;
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

}  // namespace vantiq
