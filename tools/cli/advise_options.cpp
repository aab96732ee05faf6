#include "cli/advise_options.h"

#include <algorithm>
#include <cmath>

#include "cli/search_options.h"
#include "core/advisor/advice_check.h"
#include "core/model/celsius.h"

namespace vantiq {
namespace {

constexpr std::int32_t kMaxCountRead = AdviceRequest::kMaxModules + 1;

// The option through which the command line gives each checked input.
const char* OptionOf(AdviceInput input) {
    switch (input) {
        case AdviceInput::HeatLoad:
            return "q";
        case AdviceInput::Difference:
            return "dt";
        case AdviceInput::Ambient:
            return "ambient-c";
        case AdviceInput::Cold:
            return "cold-c";
        case AdviceInput::SinkResistance:
            return "sink-rth";
        case AdviceInput::SupplyVoltage:
            return "supply-voltage";
        case AdviceInput::SupplyCurrent:
            return "supply-current";
        case AdviceInput::Modules:
            return "modules";
        case AdviceInput::ColdMass:
            return "mass-j-per-k";
    }
    return "";
}

bool Given(const ParsedArgs& args, const char* name) {
    return args.options.count(name) > 0;
}

// The sink's resistance may be left out: the rows are then those of a sink
// of no resistance, each with the largest resistance it holds with.
std::string ReadSink(const ParsedArgs& args, HeatSink& sink) {
    double ambient = 0.0;
    double cold = 0.0;
    for (const auto& error :
         {ReadNumberOption(args, "ambient-c", ambient), ReadNumberOption(args, "cold-c", cold),
          ReadNumberOption(args, "sink-rth", sink.resistance)}) {
        if (!error.empty()) {
            return error;
        }
    }
    sink.ambient = ambient + kCelsiusOffset;
    sink.cold = cold + kCelsiusOffset;
    return {};
}

// Either --dt, or the heat-sink options: --cold-c and --ambient-c, with
// --sink-rth or without it.
std::string ReadTemperatures(const ParsedArgs& args, AdviceRequest& r) {
    const int sinkOptions =
        Given(args, "cold-c") + Given(args, "ambient-c") + Given(args, "sink-rth");
    if (Given(args, "dt") && sinkOptions > 0) {
        return "--dt excludes the heat-sink options --cold-c, --ambient-c and --sink-rth";
    }
    if (Given(args, "dt")) {
        return ReadNumberOption(args, "dt", r.criteria.requiredDT);
    }
    if (sinkOptions == 0) {
        return "advise needs --dt K, or --cold-c and --ambient-c (and --sink-rth)";
    }
    for (const char* name : {"cold-c", "ambient-c"}) {
        if (!Given(args, name)) {
            return std::string("--") + name +
                   " is missing: a heat sink needs --cold-c and --ambient-c";
        }
    }
    r.sink = HeatSink{};
    r.sinkLimits = true;  // the command always lists sink_rth_max under a sink
    return ReadSink(args, *r.sink);
}

std::string ReadModules(const ParsedArgs& args, std::int32_t& modules) {
    const std::string text = OptionValue(args, "modules");
    if (!Given(args, "modules")) {
        return {};
    }
    if (text == "auto") {
        modules = AdviceRequest::kFewestModules;
        return {};
    }
    double n = 0.0;
    ReadNumberOption(args, "modules", n);
    if (n != std::floor(n)) {
        return "--modules takes a whole number from 1 to 64 or auto, not '" + text + "'";
    }
    // A count out of range is left for the request's check to tell.
    modules = n < 1 ? -1 : static_cast<std::int32_t>(std::min<double>(n, kMaxCountRead));
    return {};
}

std::string ReadChoices(const ParsedArgs& args, AdviseRequest& r) {
    const Choices<Wiring> wirings = {{"series", Wiring::Series}, {"parallel", Wiring::Parallel}};
    const Choices<AdviceKey> keys = {
        {"power", AdviceKey::Power},   {"cop", AdviceKey::Cop},   {"current", AdviceKey::Current},
        {"margin", AdviceKey::Margin}, {"name", AdviceKey::Name}, {"sink-rth", AdviceKey::SinkRth}};
    int descending = -1;
    const Choices<int> orders = {{"asc", 0}, {"desc", 1}};
    for (const auto& error : {ReadMappedChoice(args, "wiring", wirings, r.advice.wiring),
                              ReadMappedChoice(args, "sort", keys, r.order.key),
                              ReadMappedChoice(args, "order", orders, descending)}) {
        if (!error.empty()) {
            return error;
        }
    }
    // Left out, the sink's resistance is what the rows are ranked by.
    if (!Given(args, "sort") && Given(args, "ambient-c") && !Given(args, "sink-rth")) {
        r.order.key = AdviceKey::SinkRth;
    }
    if (r.order.key == AdviceKey::SinkRth && !Given(args, "ambient-c")) {
        return "--sort sink-rth applies to a heat sink (--cold-c, --ambient-c)";
    }
    // Each key has its own direction; --order names one, which may turn it round.
    const bool natural = r.order.key == AdviceKey::Cop || r.order.key == AdviceKey::Margin ||
                         r.order.key == AdviceKey::SinkRth;
    r.order.reversed = descending >= 0 && (descending == 1) != natural;
    return {};
}

// --stages and --currents; a stack has no --wiring, --margin or --why.
std::string ReadStages(const ParsedArgs& args, AdviseRequest& r) {
    const Choices<std::int32_t> stages = {{"1", 1}, {"2", 2}};
    const Choices<StageCurrents> currents = {{"separate", StageCurrents::Separate},
                                             {"shared", StageCurrents::Shared}};
    for (const auto& error : {ReadMappedChoice(args, "stages", stages, r.stages),
                              ReadMappedChoice(args, "currents", currents, r.currents)}) {
        if (!error.empty()) {
            return error;
        }
    }
    if (r.stages == 1) {
        return Given(args, "currents") ? "--currents applies to --stages 2" : "";
    }
    if (Given(args, "wiring")) {
        return "--wiring applies to one stage; a stack takes --currents separate|shared";
    }
    if (Given(args, "why")) {
        return "--why applies to one stage";
    }
    if (Given(args, "ambient-c") && !Given(args, "sink-rth")) {
        return "--stages 2 needs --sink-rth with a heat sink";
    }
    if (r.order.key == AdviceKey::SinkRth) {
        return "--sort sink-rth applies to one stage";
    }
    return r.order.key == AdviceKey::Margin ? "--sort margin applies to one stage" : "";
}

std::string ReadColdMass(const ParsedArgs& args, std::optional<double>& mass) {
    if (!Given(args, "mass-j-per-k")) {
        return {};
    }
    mass = 0.0;
    return ReadNumberOption(args, "mass-j-per-k", *mass);
}

}  // namespace

std::string ReadAdviseRequest(const ParsedArgs& args, AdviseRequest& request) {
    SearchCriteria& c = request.advice.criteria;
    if (!Given(args, "q")) {
        return "advise needs --q W, the heat load";
    }
    request.why = OptionValue(args, "why");
    for (const auto& error :
         {ReadNumberOption(args, "q", c.requiredQ), ReadTemperatures(args, request.advice),
          ReadNumberOption(args, "supply-voltage", c.supplyVoltage),
          ReadNumberOption(args, "supply-current", c.supplyCurrent),
          ReadModules(args, request.advice.modules), ReadChoices(args, request),
          ReadDimensionOptions(args, c), ReadNameOption(args, c.nameFilter),
          ReadStages(args, request), ReadColdMass(args, request.advice.coldMass)}) {
        if (!error.empty()) {
            return error;
        }
    }
    if (const auto fault = CheckAdviceRequest(request.advice)) {
        return std::string("--") + OptionOf(fault->input) + ": " + fault->message;
    }
    return {};
}

}  // namespace vantiq
