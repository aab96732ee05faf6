#pragma once

#include <string>

#include "cli/cli_options.h"
#include "core/advisor/advice_order.h"
#include "core/advisor/advice_request.h"

namespace vantiq {

// What `advise` was asked for: the advisor's request, the order of the rows
// and, with --why, the one module to explain (UTF-8).
struct AdviseRequest {
    AdviceRequest advice;
    AdviceOrder order;
    std::string why;
};

// Reads the options of `advise` into `request`. --q above 0 is required,
// and either --dt (0 or more) or all three heat-sink options, not both.
// Returns a usage error naming the offending option, or empty.
std::string ReadAdviseRequest(const ParsedArgs& args, AdviseRequest& request);

}  // namespace vantiq
