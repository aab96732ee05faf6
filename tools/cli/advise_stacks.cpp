#include "cli/advise_stacks.h"

#include <cstdio>

#include "common/exit_status.h"
#include "core/stack/stack_order.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_reach.h"
#include "core/stack/stack_search.h"
#include "core/stack/stack_table.h"

namespace vantiq {
namespace {

constexpr const char* kNothing = "No stack can carry this load within these limits";

// How far stacks get with this load and these limits, for the message.
std::string Reach(const TemBase& base, double thot, const StackRequest& request) {
    if (request.advice.sink) {
        return "";
    }
    const auto dt = LargestStackDt(base, thot, request);
    if (!dt) {
        return "no stack carries it at any temperature difference";
    }
    char text[96];
    std::snprintf(text, sizeof text, "the best dT found is %.1f K", *dt);
    return text;
}

}  // namespace

int AdviseStacks(const TemBase& base, double thot, const AdviseRequest& request, std::ostream& out,
                 std::ostream& err) {
    const StackRequest stacks{request.advice, request.currents};
    StackAdvice advice = FindStacks(base, thot, stacks);
    SortStacks(base, advice.stacks, request.order);
    if (advice.stacks.empty()) {
        const std::string reach = Reach(base, thot, stacks);
        err << kNothing << (reach.empty() ? "" : ": " + reach) << "\n";
    }
    if (request.advice.coldMass) {
        const auto pullDowns = StackPullDowns(base, stacks, advice.stacks);
        out << StackCsv(base, advice.stacks, &pullDowns);
    } else {
        out << StackCsv(base, advice.stacks);
    }
    return kExitOk;
}

}  // namespace vantiq
