#include "core/selection/search.h"

#include "core/parallel/parallel_for.h"
#include "core/selection/record_filter.h"

namespace vantiq {

std::vector<std::uint32_t> RunSearch(const TemBase& base, double thot,
                                     const SearchCriteria& criteria) {
    // One byte per record, so that no two workers ever write the same word.
    std::vector<unsigned char> matches(base.records.size());
    ParallelFor(base.records.size(), [&](std::size_t i) {
        matches[i] = RecordMatches(base.records[i], thot, criteria, CurveReading::kImaxPointsAtDt);
    });
    std::vector<std::uint32_t> found;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        if (matches[i]) {
            found.push_back(static_cast<std::uint32_t>(i));
        }
    }
    return found;
}

std::vector<std::uint32_t> RunSearchSequential(const TemBase& base, double thot,
                                               const SearchCriteria& criteria) {
    std::vector<std::uint32_t> found;
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        if (RecordMatches(base.records[i], thot, criteria)) {
            found.push_back(static_cast<std::uint32_t>(i));
        }
    }
    return found;
}

std::vector<std::uint32_t> ShowAllModules(const TemBase& base) {
    std::vector<std::uint32_t> all;
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        if (base.records[i].rated.derivable) {
            all.push_back(static_cast<std::uint32_t>(i));
        }
    }
    return all;
}

}  // namespace vantiq
