#pragma once

#include <string>

#include "cli/cli_options.h"
#include "core/advisor/advice_order.h"
#include "core/advisor/advice_request.h"
#include "core/stack/stack_point.h"

namespace vantiq {

// What `advise` was asked for: the advisor's request, the order of the rows,
// with --why the one module to explain (UTF-8), and for stacks the number of
// stages and how they are fed.
struct AdviseRequest {
    AdviceRequest advice;
    AdviceOrder order;
    std::string why;
    std::int32_t stages = 1;
    StageCurrents currents = StageCurrents::Separate;
};

// Reads the options of `advise` into `request`. --q above 0 is required,
// and either --dt (0 or more) or the heat-sink options, not both: --cold-c
// and --ambient-c, with --sink-rth, or without it for a sink of no
// resistance whose rows are ranked by the largest one they hold with.
// Returns a usage error naming the offending option, or empty.
std::string ReadAdviseRequest(const ParsedArgs& args, AdviseRequest& request);

}  // namespace vantiq
