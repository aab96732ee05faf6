#include "cli/advise_command.h"

#include <ostream>

#include "cli/advise_options.h"
#include "cli/advise_stacks.h"
#include "cli/module_table.h"
#include "common/exit_status.h"
#include "core/advisor/advice_table.h"
#include "core/advisor/advice_text.h"
#include "core/advisor/advisor.h"
#include "core/advisor/pull_down.h"
#include "core/advisor/why_not_text.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/report/csv.h"

namespace vantiq {

std::string NothingFoundText(const AdviceRequest& request, const Advice& advice) {
    const std::string counts = RejectionSummary(request, advice);
    return "No module can carry this load within these limits" +
           (counts.empty() ? "" : "\n" + counts);
}

int ExplainAdvice(const TemBase& base, double thot, const AdviseRequest& request,
                  const Advice& advice, std::ostream& out, std::ostream& err) {
    const auto bytes = Utf8ToCp1251(request.why);
    const std::int32_t index = bytes ? base.FindByName(*bytes) : -1;
    if (index < 0) {
        err << "vantiq-cli: no module named " << EscapeControls(request.why) << "\n";
        return kExitFailure;
    }
    for (std::size_t row = 0; row < advice.points.size(); ++row) {
        if (advice.points[row].index == static_cast<std::uint32_t>(index)) {
            const OperatingPoint& point = advice.points[row];
            const bool pullDown = request.advice.coldMass.has_value();
            const auto pullDowns =
                pullDown ? PointPullDowns(base, request.advice, {point}) : std::vector<PullDown>{};
            out << FormatCsvRow(AdviceColumns(pullDown, request.advice.sink.has_value()))
                << FormatCsvRow(AdviceFields(base, point, row, pullDown ? &pullDowns[0] : nullptr));
            return kExitOk;
        }
    }
    const auto exclusion =
        CandidateExclusion(base.records[static_cast<std::size_t>(index)], request.advice);
    const std::string limit = exclusion ? "" : OneStageLimit(request.advice, advice);
    out << EscapeControls(request.why) << " is not a result: "
        << WhyNotText(base, thot, request.advice, static_cast<std::uint32_t>(index))
        << (limit.empty() ? "" : "; " + limit) << "\n";
    return kExitOk;
}

int RunAdviseCommand(const ParsedArgs& args, std::ostream& out, std::ostream& err) {
    AdviseRequest request;
    if (const auto error = ReadAdviseRequest(args, request); !error.empty()) {
        err << "vantiq-cli: " << error << "\n";
        return kExitUsage;
    }
    TemBase base;
    if (!OpenAndLoad(args.global, base, err)) {
        return kExitFailure;
    }
    if (request.stages == 2) {
        return AdviseStacks(base, args.global.thot, request, out, err);
    }
    const Advice advice = RunAdvisor(base, args.global.thot, request.advice, request.order);
    if (!request.why.empty()) {
        return ExplainAdvice(base, args.global.thot, request, advice, out, err);
    }
    if (advice.points.empty()) {
        err << NothingFoundText(request.advice, advice) << "\n";
    }
    const bool underSink = request.advice.sink.has_value();
    if (request.advice.coldMass) {
        const auto pullDowns = PointPullDowns(base, request.advice, advice.points);
        out << AdviceCsv(base, advice.points, &pullDowns, underSink);
    } else {
        out << AdviceCsv(base, advice.points, nullptr, underSink);
    }
    return kExitOk;
}

}  // namespace vantiq
