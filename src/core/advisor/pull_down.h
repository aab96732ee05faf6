#pragma once

#include <optional>
#include <vector>

#include "core/advisor/advice_request.h"
#include "core/advisor/fastest_current.h"
#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"

namespace vantiq {

// How a row cools its cold side down: the constant current per module (A)
// it is driven at and how long the cold side takes from the hot side's
// temperature to the row's cold side (nullopt: it never gets there).
using PullDown = TimedCurrent;

// The cold sides, from the hot side down to the row's, at which a current
// for the pull-down is checked against the supply's voltage.
inline constexpr int kVoltageChecks = 3;

// The largest current per module that the module (its Imax) and the supply
// of `supply` allow the set of `point`: the supply's current, which parallel
// modules share, and its voltage at kVoltageChecks cold sides from the hot
// side down to the point's. 0 when the supply allows none.
double PullDownCurrent(const TemRecord& record, const OperatingPoint& point,
                       const SearchCriteria& supply);

// The constant current within PullDownCurrent at which the set of `point`
// (modules of `record`) pulls a cold side of heat capacity `mass` (J/K),
// which carries the load `heat` (W) throughout, soonest from the point's hot
// side down to its cold side, the hot side held, and how long it takes:
// mass · dTc/dt = heat - n · Qc(I, Tc, Th). At every cold side the heat
// pumped is a concave quadratic in the current, so the time is convex in it
// and FastestCurrent finds its least. Never only where no current within
// the bound gets there; the bound is given then.
PullDown PointPullDown(const TemRecord& record, const OperatingPoint& point, double heat,
                       const SearchCriteria& supply, double mass);

// The pull-downs of `points` (modules of `base`) for `request`, whose cold
// mass must be set, in the points' order, on all cores.
std::vector<PullDown> PointPullDowns(const TemBase& base, const AdviceRequest& request,
                                     const std::vector<OperatingPoint>& points);

}  // namespace vantiq
