#include "common/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace vantiq {
namespace {

// Option storage that outlives the parse; std::map keeps the addresses of
// its values while entries are added.
using Storage = std::map<std::string, std::string>;

void AddOptions(CLI::App& app, const std::vector<OptionSpec>& options, Storage& values,
                std::set<std::string>& flagNames) {
    for (const OptionSpec& o : options) {
        if (o.valueName.empty()) {
            app.add_flag(o.name, o.help);
            flagNames.insert(o.name);
        } else {
            app.add_option(o.name, values[o.name], o.help)
                ->type_name(o.valueName)
                ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
        }
    }
}

// CLI11 words a missing or repeated value as "-o: 1 required TEXT missing" or
// "-o: At Most 1 required but received 2"; the tools say it plainly.
std::string MismatchText(const CLI::ArgumentMismatch& e) {
    const std::string what = e.what();
    const std::string option = what.substr(0, what.find(':'));
    return option +
           (what.find("received") != std::string::npos ? " is given twice" : " needs a value");
}

// Words CLI11 did not take: an option nobody knows, or a command nobody has.
std::string ExtraText(const std::vector<std::string>& extras, bool inCommand) {
    const std::string& word = extras.front();
    if (word.size() > 1 && word[0] == '-') {
        return "unknown option " + word;
    }
    return (inCommand ? "unexpected argument " : "unknown command ") + word;
}

std::string OperandText(std::size_t expected, std::size_t found) {
    return "expected " + std::to_string(expected) + " file name" + (expected == 1 ? "" : "s") +
           ", found " + std::to_string(found);
}

// Copies what was given out of the parsed application.
void Collect(const CLI::App& app, const Storage& storage, const std::set<std::string>& flagNames,
             CommandLine& line) {
    for (const auto& [name, value] : storage) {
        if (app.get_option_no_throw(name) && app.get_option_no_throw(name)->count() > 0) {
            line.values[name] = value;
        }
    }
    for (const auto& name : flagNames) {
        if (app.get_option_no_throw(name) && app.get_option_no_throw(name)->count() > 0) {
            line.flags.insert(name);
        }
    }
}

}  // namespace

std::string CommandLine::Value(const std::string& option) const {
    const auto found = values.find(option);
    return found == values.end() ? std::string() : found->second;
}

CommandLine ParseCommandLine(const ToolSpec& tool, const std::vector<std::string>& args) {
    CLI::App app(tool.description, tool.name);
    app.allow_extras()->footer(tool.footer);
    Storage globals;
    std::set<std::string> globalFlags;
    AddOptions(app, tool.globals, globals, globalFlags);
    struct Sub {
        CLI::App* app;
        const CommandSpec* spec;
        Storage values;
        std::set<std::string> flags;
        std::vector<std::string> operands;
    };
    std::vector<Sub> subs(tool.commands.size());
    for (std::size_t k = 0; k < subs.size(); ++k) {
        Sub& sub = subs[k];
        sub.spec = &tool.commands[k];
        sub.app = app.add_subcommand(sub.spec->name, sub.spec->description);
        sub.app->allow_extras()->footer(sub.spec->footer);
        AddOptions(*sub.app, sub.spec->options, sub.values, sub.flags);
        if (sub.spec->operands > 0) {
            sub.app->add_option("files", sub.operands, "file names")->type_name("FILE");
        }
    }
    CommandLine line;
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    const auto chosen = [&]() -> Sub* {
        for (auto& sub : subs) {
            if (sub.app->parsed()) {
                return &sub;
            }
        }
        return nullptr;
    };
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        line.help = true;
        line.helpText = app.help();
        if (!line.helpText.empty() && line.helpText.back() != '\n') {
            line.helpText += '\n';  // CLI11 leaves the footer's line open
        }
    } catch (const CLI::ArgumentMismatch& e) {
        line.error = MismatchText(e);
    } catch (const CLI::ParseError& e) {
        line.error = e.what();
    }
    Sub* sub = chosen();
    line.command = sub ? sub->spec->name : std::string();
    if (line.help || !line.error.empty()) {
        return line;
    }
    Collect(app, globals, globalFlags, line);
    if (!app.remaining().empty() && !sub) {
        line.error = ExtraText(app.remaining(), false);
    } else if (!sub) {
        line.error = "no command given";
    } else if (!sub->app->remaining().empty()) {
        line.error = ExtraText(sub->app->remaining(), true);
    } else if (sub->operands.size() > sub->spec->operands + sub->spec->extraOperands ||
               sub->operands.size() + sub->spec->optionalOperands < sub->spec->operands) {
        line.error = OperandText(sub->spec->operands, sub->operands.size());
    } else {
        Collect(*sub->app, sub->values, sub->flags, line);
        line.operands = sub->operands;
    }
    return line;
}

std::string UsageHint(const ToolSpec& tool, const std::string& command) {
    return "Run '" + tool.name + (command.empty() ? "" : " " + command) + " --help' for more.\n";
}

}  // namespace vantiq
