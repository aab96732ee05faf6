#include "catalogue.h"

#include <sstream>

#include "cli/advise_command.h"
#include "cli/advise_options.h"
#include "cli/module_table.h"
#include "cli/search_options.h"
#include "common/exit_status.h"
#include "core/advisor/advice_table.h"
#include "core/advisor/advisor.h"
#include "core/base/base_loader.h"
#include "core/model/celsius.h"
#include "core/selection/list_actions.h"

namespace vantiq::python {
namespace {

// Far more samples than any drawing needs, and still a few megabytes.
constexpr unsigned kMostCurveSteps = 100000;

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
        throw ArgumentFault{args.error};
    }
    return args;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

}  // namespace

Catalogue::Catalogue(std::string path, const std::string& thotC) : path_(std::move(path)) {
    const ParsedArgs args = Parse(path_, thotC, "list", {});
    std::ostringstream err;
    if (!OpenAndLoad(args.global, base_, err)) {
        throw CatalogueFault{Trimmed(err.str())};
    }
    skipped_ = Trimmed(err.str());
}

void Catalogue::SetThotC(const std::string& thotC) {
    const double before = base_.thot;
    base_.thot = Parse(path_, thotC, "list", {}).global.thot;
    const Result<LoadReport> loaded = LoadBase(base_);
    if (!loaded.ok()) {
        base_.thot = before;  // the records are still the ones derived there
        throw CatalogueFault{std::string(kBaseErrorCaption) + " " + loaded.error().message};
    }
    skipped_ = UnderivableMessage(base_, loaded->underivable);
}

double Catalogue::ThotC() const {
    return base_.thot - kCelsiusOffset;
}

std::vector<std::size_t> Catalogue::Search(const Options& options) {
    SearchRequest request;
    if (const auto error = ReadSearchRequest(Parse(path_, "25", "search", options), request);
        !error.empty()) {
        throw ArgumentFault{error};
    }
    ResultList list;
    ListSearchResult(base_, request.criteria, request.key, request.order, list);
    const auto modules = list.Modules(base_);
    return {modules.begin(), modules.end()};
}

std::vector<std::vector<std::pair<std::string, std::string>>> Catalogue::Advise(
    const Options& options, std::string& why) const {
    const ParsedArgs args = Parse(path_, "25", "advise", options);
    AdviseRequest request;
    if (const auto error = ReadAdviseRequest(args, request); !error.empty()) {
        throw ArgumentFault{error};
    }
    const Advice advice = RunAdvisor(base_, request.advice, request.order);
    if (!request.why.empty()) {
        std::ostringstream out, err;
        if (ExplainAdvice(base_, request, advice, out, err) != kExitOk) {
            throw ArgumentFault{Trimmed(err.str())};
        }
        why = out.str();
        return {};
    }
    const auto columns = AdviceColumns();
    std::vector<std::vector<std::pair<std::string, std::string>>> rows;
    for (std::size_t row = 0; row < advice.points.size(); ++row) {
        const auto fields = AdviceFields(base_, advice.points[row], row);
        auto& out = rows.emplace_back();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            out.emplace_back(columns[c], fields[c]);
        }
    }
    return rows;
}

Catalogue::Families Catalogue::Curves(std::size_t index, unsigned steps) const {
    if (index >= base_.records.size()) {
        throw ArgumentFault{"no module at index " + std::to_string(index)};
    }
    if (steps < 2 || steps > kMostCurveSteps) {
        throw ArgumentFault{"steps takes 2 to " + std::to_string(kMostCurveSteps) + ", not " +
                            std::to_string(steps)};
    }
    const TemRecord& record = base_.records[index];
    if (!record.rated.derivable) {
        throw CatalogueFault{"module " + std::to_string(index) + " cannot be derived"};
    }
    const double th = base_.thot;
    return {BuildDeltaTCurve(record, th, steps, steps), BuildHeatCurves(record, th, steps),
            BuildVoltageCurves(record, th, steps), BuildCopCurves(record, th, steps)};
}

}  // namespace vantiq::python
