#pragma once

#include "core/base/tem_record.h"
#include "core/selection/search_criteria.h"

namespace vantiq {

// Curve samples per curve when the search checks the heat and voltage curves.
inline constexpr unsigned kSearchCurveSteps = 500;

// How the curve test reads the module's I = imax curves: from the whole
// families (the straightforward way, kept as the reference), or built alone
// with only the points near the required temperature difference, a range
// that holds every point the test can accept. Both give the same verdict.
enum class CurveReading { kWholeFamilies, kImaxPointsAtDt };

// Whether the curve test applies: Q and dT are set together with both supply
// values (supply mode) or with the resistance (resistance mode).
bool CurveTestApplies(const SearchCriteria& criteria);

// Whether the heat test of the curve test applies on its own: Q and dT are
// set but the electrical values the whole curve test needs are not, so the
// module must still pump Q at dT on its I = imax curve.
bool HeatTestAloneApplies(const SearchCriteria& criteria);

// Whether the module fits within every largest dimension set (equality
// passes).
bool MeetsDimensions(const TemRecord& record, const SearchCriteria& criteria);

// Whether the module's name holds the fragment as a case-sensitive run of
// bytes; an empty fragment always passes.
bool MeetsName(const TemRecord& record, const SearchCriteria& criteria);

// Whether `record`, derived at the hot-side temperature `thot` (K), meets
// every requirement. The tests run in a fixed order and stop at the first
// failure: Qmax, dTmax (when Q is not set), Umax, the curve test (or its
// heat test alone), width, length, height and the name fragment (a
// case-sensitive run of bytes).
// Comparisons pass on equality. A record that could not be derived never
// matches.
bool RecordMatches(const TemRecord& record, double thot, const SearchCriteria& criteria,
                   CurveReading reading = CurveReading::kWholeFamilies);

}  // namespace vantiq
