#pragma once

#include <cstdint>
#include <vector>

#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"
#include "core/model/performance_model.h"
#include "core/stack/stack_point.h"

namespace vantiq {

// The temperatures between the stages that a stack is first tried at:
// kBetweenPoints equally spaced ones strictly between the cold and the hot
// side, index 0 the coldest. The solution is then refined between them.
inline constexpr int kBetweenPoints = 48;
double BetweenAt(const StackDuty& duty, int k);

// What a top set does at each of those temperatures. Its power and the heat
// it rejects rise with the temperature between the stages; past the first
// point where it cannot pump, it pumps at none.
struct TopGrid {
    std::int32_t modules = 1;
    std::vector<ModuleLoad> loads;  // one module's share
    std::vector<double> power;      // the set's, W; +inf where it cannot pump
    std::vector<double> rejected;   // load + power, W; +inf where it cannot pump
};
TopGrid MakeTopGrid(const TemRecord& top, std::int32_t modules, const StackDuty& duty);

// What a bottom module offers at each of those temperatures: its
// coefficients there, the most heat it pumps from there (0 where none) and
// the best COP it reaches from there to the hot side at any current (0 where
// it pumps nothing). Both grow with the temperature between the stages.
struct BottomGrid {
    std::vector<OperatingCoefficients> coefficients;
    std::vector<double> peak;
    std::vector<double> bestCop;
};
BottomGrid MakeBottomGrid(const TemRecord& bottom, const StackDuty& duty);

// The best COP of a module with coefficients `k`: where the derivative of
// Qc(I) / (U(I)·I) vanishes, (j·s + p·r)·I² + 2·c·r·I + c·s = 0. 0 when it
// pumps nothing at any current; +inf with no temperature difference.
double BestCop(const OperatingCoefficients& k);

}  // namespace vantiq
