#pragma once

#include <string>

#include "core/advisor/advice_request.h"
#include "core/advisor/advisor.h"

namespace vantiq {

// One number in a printf `format` with one conversion ("%.1f V"), as the
// advisor's texts write their figures.
std::string FormatValue(const char* format, double value);

// The load as the request states it, in UTF-8: "15.0 W at dT 30 K", or
// "15.0 W with the cold side at 20.0 °C" under a heat sink.
std::string LoadPhrase(const AdviceRequest& request);

// Why a candidate failed, as a phrase after its subject ("cannot pump 20.0 W
// at dT 30 K", "needs more than 12.0 V"), in UTF-8; `plural` picks the verb
// form for several modules.
std::string RejectionPhrase(const AdviceRequest& request, Rejection reason, bool plural);

// Where no candidate reaches the dT asked at the fixed hot side even with no
// load: "no single module reaches dT 80 K (the most is 72.4 K): a two-stage
// stack is needed". Empty otherwise, and under a heat sink, whose hot side
// is found rather than given.
std::string OneStageLimit(const AdviceRequest& request, const Advice& advice);

// The count of candidates per reason, for reasons that occurred, in their
// order, the first naming its subject, then the one-stage limit where it
// applies: "148 modules cannot pump 20.0 W at dT 30 K; 40 need more than
// 12.0 V". Empty when nothing was rejected.
std::string RejectionSummary(const AdviceRequest& request, const Advice& advice);

// What the advisor was asked and what it found, for the panel's criteria
// box: the load, the temperatures, the supply limits and the modules, each
// on a line ended by CR LF, then how many modules carry the load, or, when
// none does, the counts per reason. `thot` is the fixed hot side (K). UTF-8.
std::string AdviceCriteriaText(const AdviceRequest& request, const Advice& advice, double thot);

}  // namespace vantiq
