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

namespace {

// Records advised together; each block gathers its own answer, so that no two
// workers write the same data and the whole run holds only the points found,
// not a slot for every record.
constexpr std::size_t kBlockRecords = 256;

// The advice for records [first, last) of `base`, in index order. It is
// gathered here and stored once, so that workers on neighbouring blocks do
// not share a cache line while they work.
Advice AdviseBlock(const TemBase& base, double thot, const AdviceRequest& request,
                   std::size_t first, std::size_t last) {
    Advice advice;
    for (std::size_t i = first; i < last; ++i) {
        const TemRecord& record = base.records[i];
        if (CandidateExclusion(record, request)) {
            continue;
        }
        ++advice.candidates;
        advice.deepest = std::max(advice.deepest, -record.rated.dtMax);
        ModuleAdvice answer = AdviseModule(record, static_cast<std::uint32_t>(i), thot, request);
        if (answer.point) {
            advice.points.push_back(*answer.point);
        } else {
            ++advice.rejected[static_cast<std::size_t>(answer.rejection)];
        }
    }
    return advice;
}

// Appends `part`, the answer for the records after those of `whole`.
void Append(Advice& whole, const Advice& part) {
    whole.points.insert(whole.points.end(), part.points.begin(), part.points.end());
    for (std::size_t r = 0; r < kRejectionCount; ++r) {
        whole.rejected[r] += part.rejected[r];
    }
    whole.candidates += part.candidates;
    whole.deepest = std::max(whole.deepest, part.deepest);
}

}  // namespace

Advice RunAdvisor(const TemBase& base, double thot, const AdviceRequest& request,
                  AdviceOrder order) {
    if (!(request.criteria.requiredQ > 0.0)) {
        return {};
    }
    const std::size_t count = base.records.size();
    std::vector<Advice> blocks((count + kBlockRecords - 1) / kBlockRecords);
    ParallelFor(blocks.size(), [&](std::size_t b) {
        const std::size_t first = b * kBlockRecords;
        blocks[b] = AdviseBlock(base, thot, request, first, std::min(first + kBlockRecords, count));
    });
    Advice advice;
    std::size_t found = 0;
    for (const Advice& block : blocks) {
        found += block.points.size();
    }
    advice.points.reserve(found);
    for (const Advice& block : blocks) {
        Append(advice, block);
    }
    SortPoints(base, advice.points, order);
    return advice;
}

}  // namespace vantiq
