#pragma once

#include <optional>
#include <string>

#include "core/advisor/advice_request.h"

namespace vantiq {

// The value of a request a fault is about, so that each front end can point
// at its own input (a box in the window, an option on the command line).
enum class AdviceInput {
    HeatLoad,
    Difference,
    Ambient,
    Cold,
    SinkResistance,
    SupplyVoltage,
    SupplyCurrent,
    Modules,
    ColdMass
};

// Why the advisor cannot run a request: the input at fault and a sentence
// for the user, the same wherever the request was entered.
struct AdviceFault {
    AdviceInput input;
    std::string message;
};

// The first fault of `request`, checked in the order of AdviceInput; none
// when the advisor can run it. A heat sink's ambient lies within the hot
// sides the model takes (-50 to 100 °C) with the cold side below it.
std::optional<AdviceFault> CheckAdviceRequest(const AdviceRequest& request);

}  // namespace vantiq
