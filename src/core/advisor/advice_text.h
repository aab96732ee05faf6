#pragma once

#include <string>

#include "core/advisor/advice_request.h"
#include "core/advisor/advisor.h"

namespace vantiq {

// Why a candidate failed, as a phrase after its subject ("cannot pump 20.0 W
// at dT 30 K", "needs more than 12.0 V"), in UTF-8; `plural` picks the verb
// form for several modules.
std::string RejectionPhrase(const AdviceRequest& request, Rejection reason, bool plural);

// The count of candidates per reason, for reasons that occurred, in their
// order, the first naming its subject: "148 modules cannot pump 20.0 W at dT 30 K; 40 need more
// than 12.0 V". Empty when nothing was rejected.
std::string RejectionSummary(const AdviceRequest& request, const Advice& advice);

}  // namespace vantiq
