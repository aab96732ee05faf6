#pragma once

#include <cstdint>
#include <optional>

#include "core/selection/search_criteria.h"

namespace vantiq {

// How a set of modules meets the supply: in series it sees n times the
// module voltage at the module current, in parallel the module voltage at n
// times the current.
enum class Wiring : std::int32_t { Series = 0, Parallel = 1 };

// The hot side found from a heat sink instead of given: the sink at ambient
// `ambient` (K) with thermal resistance `resistance` (K/W) rejects the heat
// of the set, while the modules hold the object at `cold` (K).
struct HeatSink {
    double ambient = 0.0;
    double resistance = 0.0;
    double cold = 0.0;
};

// What the operating-point advisor is asked. From `criteria` it takes the
// heat load Q (W), the temperature difference dT (K, with a fixed hot side),
// the supply's voltage and current (0 = no limit) and the largest
// dimensions and name fragment, which pick the candidates as the search
// does; its other fields are not read.
struct AdviceRequest {
    static constexpr std::int32_t kFewestModules = 0;  // "auto"
    static constexpr std::int32_t kMaxModules = 64;    // a count that may be given
    static constexpr std::int32_t kMaxAutoModules = 16;

    SearchCriteria criteria;
    std::optional<HeatSink> sink;  // none: the base's hot side, Tc = Th - dT
    std::int32_t modules = 1;      // 1 to kMaxModules, or kFewestModules
    Wiring wiring = Wiring::Series;
    // The heat capacity of the cold side (J/K), for the time the rows take to
    // pull it down; none: no pull-down time.
    std::optional<double> coldMass;
    // Under a sink, whether each point also gives the largest sink
    // resistance its set holds with (OperatingPoint::sinkRthMax); that
    // search costs several times the point itself, so it is asked for.
    bool sinkLimits = false;
};

// Why a candidate carries no result, in the order the checks are made; a
// candidate keeps the first that applies.
enum class Rejection : std::int32_t {
    CannotPump = 0,     // no current pumps Q/n at that difference
    VoltageTooLow = 1,  // the set needs more voltage than the supply gives
    CurrentTooLow = 2,  // the set needs more current than the supply gives
    SinkTooWeak = 3,    // the sink does not settle at or below 373 K
};
inline constexpr std::size_t kRejectionCount = 4;

}  // namespace vantiq
