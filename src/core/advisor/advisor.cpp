#include "core/advisor/advisor.h"

#include <algorithm>

#include "core/parallel/parallel_for.h"
#include "core/selection/record_filter.h"

namespace vantiq {

std::optional<Exclusion> CandidateExclusion(const TemRecord& record, const AdviceRequest& request) {
    if (!record.rated.derivable) {
        return Exclusion::NotDerivable;
    }
    if (!MeetsDimensions(record, request.criteria)) {
        return Exclusion::Dimensions;
    }
    if (!MeetsName(record, request.criteria)) {
        return Exclusion::Name;
    }
    return std::nullopt;
}

Advice RunAdvisor(const TemBase& base, double thot, const AdviceRequest& request,
                  AdviceOrder order) {
    if (!(request.criteria.requiredQ > 0.0)) {
        return {};
    }
    // One slot per record, so that no two workers ever write the same one.
    std::vector<std::optional<ModuleAdvice>> slots(base.records.size());
    ParallelFor(base.records.size(), [&](std::size_t i) {
        const TemRecord& record = base.records[i];
        if (!CandidateExclusion(record, request)) {
            slots[i] = AdviseModule(record, static_cast<std::uint32_t>(i), thot, request);
        }
    });
    Advice advice;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const auto& slot = slots[i];
        if (!slot) {
            continue;
        }
        ++advice.candidates;
        advice.deepest = std::max(advice.deepest, -base.records[i].rated.dtMax);
        if (slot->point) {
            advice.points.push_back(*slot->point);
        } else {
            ++advice.rejected[static_cast<std::size_t>(slot->rejection)];
        }
    }
    SortPoints(base, advice.points, order);
    return advice;
}

}  // namespace vantiq
