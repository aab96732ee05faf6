#include "catalogue.h"

#include <cctype>
#include <sstream>

#include "cli/advise_command.h"
#include "cli/advise_options.h"
#include "cli/module_table.h"
#include "cli/search_options.h"
#include "common/exit_status.h"
#include "core/advisor/advice_table.h"
#include "core/advisor/advisor.h"
#include "core/advisor/pull_down.h"
#include "core/base/base_error.h"
#include "core/base/cp1251.h"
#include "core/model/base_derivation.h"
#include "core/model/celsius.h"
#include "core/selection/list_actions.h"
#include "core/stack/stack_order.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_reach.h"
#include "core/stack/stack_search.h"
#include "core/stack/stack_table.h"

namespace vantiq::python {
namespace {

// Far more samples than any drawing needs, and still a few megabytes.
constexpr unsigned kMostCurveSteps = 100000;

// A message of the command line worded for Python: each option named by
// its keyword (--supply-voltage as supply_voltage).
std::string AsKeywords(const std::string& message) {
    const std::string unknown = "unknown option ";
    std::string text = message.rfind(unknown, 0) == 0
                           ? "unknown keyword " + message.substr(unknown.size())
                           : message;
    std::string worded;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool option = text.compare(k, 2, "--") == 0 && k + 2 < text.size() &&
                            std::islower(static_cast<unsigned char>(text[k + 2]));
        if (!option) {
            worded += text[k];
            continue;
        }
        for (k += 2; k < text.size() &&
                     (std::islower(static_cast<unsigned char>(text[k])) ||
                      std::isdigit(static_cast<unsigned char>(text[k])) || text[k] == '-');
             ++k) {
            worded += text[k] == '-' ? '_' : text[k];
        }
        --k;
    }
    return worded;
}

// The command line `vantiq-cli [--base P] --thot-c T command --options...`.
ParsedArgs Parse(const std::string& path, const std::string& thotC, const std::string& command,
                 const Options& options) {
    std::vector<std::string> words;
    if (!path.empty()) {
        words.insert(words.end(), {"--base", path});
    }
    words.insert(words.end(), {"--thot-c", thotC, command});
    for (const auto& [name, value] : options) {
        words.insert(words.end(), {"--" + name, value});
    }
    ParsedArgs args = ParseArgs(words);
    if (!args.error.empty()) {
        throw ArgumentFault{AsKeywords(args.error)};
    }
    if (args.help) {  // Python's own help() describes the calls
        throw ArgumentFault{"unknown keyword help"};
    }
    return args;
}

std::vector<std::pair<std::string, std::string>> Named(const std::vector<std::string>& columns,
                                                       const std::vector<std::string>& fields) {
    std::vector<std::pair<std::string, std::string>> named;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        named.emplace_back(columns[c], fields[c]);
    }
    return named;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

// The command names itself before a message; Python's exception says
// where it came from.
std::string WithoutProgramName(std::string message) {
    const std::string name = "vantiq-cli: ";
    return message.rfind(name, 0) == 0 ? message.substr(name.size()) : message;
}

}  // namespace

Catalogue::Catalogue(std::string path, const std::string& thotC) : path_(std::move(path)) {
    const ParsedArgs args = Parse(path_, thotC, "list", {});
    std::ostringstream err;
    if (!OpenAndLoad(args.global, base_, err)) {
        throw CatalogueFault{Trimmed(err.str())};
    }
    thot_ = args.global.thot;
    skipped_ = Trimmed(err.str());
}

std::string Catalogue::SetThotC(const std::string& thotC) {
    const std::unique_lock lock(mutex_);
    const double thot = Parse(path_, thotC, "list", {}).global.thot;
    const Result<LoadReport> loaded = LoadBase(base_, thot);
    if (!loaded.ok()) {
        // The records are still the ones derived at the hot side before.
        throw CatalogueFault{std::string(kBaseErrorCaption) + " " + loaded.error().message};
    }
    thot_ = thot;
    skipped_ = UnderivableMessage(base_, loaded->underivable);
    return skipped_;
}

std::size_t Catalogue::Size() const {
    const std::shared_lock lock(mutex_);
    return base_.records.size();
}

std::vector<std::string> Catalogue::Names() const {
    const std::shared_lock lock(mutex_);
    std::vector<std::string> names;
    for (const auto& record : base_.records) {
        names.push_back(Cp1251ToUtf8(record.Name()));
    }
    return names;
}

std::vector<ModuleValueArray> Catalogue::Values() const {
    const std::shared_lock lock(mutex_);
    std::vector<ModuleValueArray> values;
    for (const auto& record : base_.records) {
        values.push_back(ModuleValues(record));
    }
    return values;
}

double Catalogue::ThotC() const {
    const std::shared_lock lock(mutex_);
    return thot_ - kCelsiusOffset;
}

std::string Catalogue::Skipped() const {
    const std::shared_lock lock(mutex_);
    return skipped_;
}

std::vector<std::size_t> Catalogue::Search(const Options& options) {
    SearchRequest request;
    if (const auto error = ReadSearchRequest(Parse(path_, "25", "search", options), request);
        !error.empty()) {
        throw ArgumentFault{AsKeywords(error)};
    }
    ResultList list;
    const std::unique_lock lock(mutex_);  // the search selects its first row
    ListSearchResult(base_, thot_, request.criteria, request.key, request.order, list);
    const auto modules = list.Modules(base_);
    return {modules.begin(), modules.end()};
}

Catalogue::Rows Catalogue::Advise(const Options& options, std::string& why,
                                  std::string& reason) const {
    const ParsedArgs args = Parse(path_, "25", "advise", options);
    AdviseRequest request;
    if (const auto error = ReadAdviseRequest(args, request); !error.empty()) {
        throw ArgumentFault{AsKeywords(error)};
    }
    const std::shared_lock lock(mutex_);
    const bool pullDown = request.advice.coldMass.has_value();
    if (request.stages == 2) {
        return StackRows(request, pullDown, reason);
    }
    const Advice advice = RunAdvisor(base_, thot_, request.advice, request.order);
    if (!request.why.empty()) {
        std::ostringstream out, err;
        if (ExplainAdvice(base_, thot_, request, advice, out, err) != kExitOk) {
            throw ArgumentFault{WithoutProgramName(Trimmed(err.str()))};
        }
        why = out.str();
        return {};
    }
    if (advice.points.empty()) {
        reason = NothingFoundText(request.advice, advice);
    }
    const auto pullDowns =
        pullDown ? PointPullDowns(base_, request.advice, advice.points) : std::vector<PullDown>{};
    Rows rows;
    for (std::size_t row = 0; row < advice.points.size(); ++row) {
        rows.push_back(Named(
            AdviceColumns(pullDown, request.advice.sink.has_value()),
            AdviceFields(base_, advice.points[row], row, pullDown ? &pullDowns[row] : nullptr)));
    }
    return rows;
}

Catalogue::Rows Catalogue::StackRows(const AdviseRequest& request, bool pullDown,
                                     std::string& reason) const {
    const StackRequest stacks{request.advice, request.currents};
    StackAdvice advice = FindStacks(base_, thot_, stacks);
    SortStacks(base_, advice.stacks, request.order);
    if (advice.stacks.empty()) {
        reason = NoStackText(base_, thot_, stacks);
    }
    const auto pullDowns =
        pullDown ? StackPullDowns(base_, stacks, advice.stacks) : std::vector<StackPullDown>{};
    Rows rows;
    for (std::size_t row = 0; row < advice.stacks.size(); ++row) {
        rows.push_back(Named(
            StackColumns(pullDown),
            StackFields(base_, advice.stacks[row], row, pullDown ? &pullDowns[row] : nullptr)));
    }
    return rows;
}

Catalogue::Families Catalogue::Curves(long long index, long long steps) const {
    const std::shared_lock lock(mutex_);
    if (index < 0 || static_cast<std::size_t>(index) >= base_.records.size()) {
        throw ArgumentFault{"no module at index " + std::to_string(index)};
    }
    if (steps < 2 || steps > kMostCurveSteps) {
        throw ArgumentFault{"steps takes 2 to " + std::to_string(kMostCurveSteps) + ", not " +
                            std::to_string(steps)};
    }
    const TemRecord& record = base_.records[static_cast<std::size_t>(index)];
    if (!record.rated.derivable) {
        throw CatalogueFault{"module " + std::to_string(index) + " cannot be derived"};
    }
    const double th = thot_;
    const auto n = static_cast<unsigned>(steps);
    return {BuildDeltaTCurve(record, th, n, n), BuildHeatCurves(record, th, n),
            BuildVoltageCurves(record, th, n), BuildCopCurves(record, th, n)};
}

}  // namespace vantiq::python
