#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/advisor/advice_order.h"
#include "core/advisor/advice_request.h"
#include "core/advisor/module_advice.h"
#include "core/base/tem_base.h"

namespace vantiq {

// The advisor's answer: every candidate that carries the load within the
// limits, in the order asked, and how many candidates failed for each reason.
struct Advice {
    std::vector<OperatingPoint> points;
    std::array<std::size_t, kRejectionCount> rejected{};
    std::size_t candidates = 0;
    // The largest temperature difference a candidate reaches with no load
    // at the base's hot side (its rated dTmax), K; 0 without candidates.
    double deepest = 0.0;

    std::size_t Rejected(Rejection reason) const {
        return rejected[static_cast<std::size_t>(reason)];
    }
};

// Why a module is not even a candidate.
enum class Exclusion {
    NotDerivable,  // it has no rated values at the base's hot side
    Dimensions,    // it exceeds a largest dimension
    Name,          // its name lacks the fragment
};

// Whether the module at `record` is a candidate: one the list would show,
// within the search's dimension and name tests; nullopt when it is.
std::optional<Exclusion> CandidateExclusion(const TemRecord& record, const AdviceRequest& request);

// Runs `request` over every candidate of `base`, whose records were derived
// at hot side `thot` (K), on all cores. The request's Q must be positive; an
// unusable request simply finds nothing.
Advice RunAdvisor(const TemBase& base, double thot, const AdviceRequest& request,
                  AdviceOrder order = {});

}  // namespace vantiq
