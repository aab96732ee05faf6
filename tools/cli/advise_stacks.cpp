#include "cli/advise_stacks.h"

#include "common/exit_status.h"
#include "core/stack/stack_order.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_reach.h"
#include "core/stack/stack_search.h"
#include "core/stack/stack_table.h"

namespace vantiq {

int AdviseStacks(const TemBase& base, double thot, const AdviseRequest& request, std::ostream& out,
                 std::ostream& err) {
    const StackRequest stacks{request.advice, request.currents};
    StackAdvice advice = FindStacks(base, thot, stacks);
    SortStacks(base, advice.stacks, request.order);
    if (advice.stacks.empty()) {
        err << NoStackText(base, thot, stacks) << "\n";
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
