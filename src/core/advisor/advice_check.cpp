#include "core/advisor/advice_check.h"

#include <cmath>

#include "core/model/hot_side.h"

namespace vantiq {
namespace {

std::optional<AdviceFault> CheckSink(const HeatSink& sink) {
    if (!(sink.ambient >= kMinThot && sink.ambient <= kMaxThot)) {
        return AdviceFault{AdviceInput::Ambient,
                           "The ambient temperature must be from -50 to 100 \u00B0C."};
    }
    if (!(sink.cold < sink.ambient)) {
        return AdviceFault{AdviceInput::Cold,
                           "The cold side must be below the ambient temperature."};
    }
    if (!(sink.resistance >= 0.0)) {
        return AdviceFault{AdviceInput::SinkResistance,
                           "The heat sink's thermal resistance must not be negative."};
    }
    return std::nullopt;
}

std::optional<AdviceFault> CheckSupplyAndCount(const AdviceRequest& request) {
    if (!(request.criteria.supplyVoltage >= 0.0)) {
        return AdviceFault{AdviceInput::SupplyVoltage,
                           "The supply voltage must not be negative (0 for no limit)."};
    }
    if (!(request.criteria.supplyCurrent >= 0.0)) {
        return AdviceFault{AdviceInput::SupplyCurrent,
                           "The supply current must not be negative (0 for no limit)."};
    }
    if (request.modules != AdviceRequest::kFewestModules &&
        (request.modules < 1 || request.modules > AdviceRequest::kMaxModules)) {
        return AdviceFault{AdviceInput::Modules, "The module count must be from 1 to 64."};
    }
    if (request.coldMass && !(*request.coldMass >= 0.0 && std::isfinite(*request.coldMass))) {
        return AdviceFault{AdviceInput::ColdMass, "The cold mass must be 0 J/K or more."};
    }
    return std::nullopt;
}

}  // namespace

std::optional<AdviceFault> CheckAdviceRequest(const AdviceRequest& request) {
    if (!(request.criteria.requiredQ > 0.0)) {
        return AdviceFault{AdviceInput::HeatLoad, "The heat load Q must be above 0 W."};
    }
    if (!request.sink && !(request.criteria.requiredDT >= 0.0)) {
        return AdviceFault{AdviceInput::Difference,
                           "The temperature difference dT must not be negative."};
    }
    if (request.sink) {
        if (auto fault = CheckSink(*request.sink)) {
            return fault;
        }
    }
    return CheckSupplyAndCount(request);
}

}  // namespace vantiq
