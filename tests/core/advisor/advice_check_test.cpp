#include "core/advisor/advice_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace vantiq {
namespace {

AdviceRequest Sinked(double ambientK, double coldK, double resistance) {
    AdviceRequest r;
    r.criteria.requiredQ = 5.0;
    r.sink = HeatSink{ambientK, resistance, coldK};
    return r;
}

TEST(AdviceCheck, NamesTheFirstFaultyInputOrNone) {
    const double nan = std::nan("");
    struct Case {
        const char* what;
        std::function<void(AdviceRequest&)> change;
        std::optional<AdviceInput> fault;
    };
    const Case cases[] = {
        {"a fixed hot side", [](AdviceRequest&) {}, std::nullopt},
        {"no heat load", [](AdviceRequest& r) { r.criteria.requiredQ = 0.0; },
         AdviceInput::HeatLoad},
        {"NaN heat load", [&](AdviceRequest& r) { r.criteria.requiredQ = nan; },
         AdviceInput::HeatLoad},
        {"negative dT", [](AdviceRequest& r) { r.criteria.requiredDT = -0.1; },
         AdviceInput::Difference},
        {"dT ignored with a sink",
         [](AdviceRequest& r) {
             r = Sinked(298, 280, 0.5);
             r.criteria.requiredDT = -1;
         },
         std::nullopt},
        {"ambient -50 °C", [](AdviceRequest& r) { r = Sinked(223, 200, 0); }, std::nullopt},
        {"ambient 100 °C", [](AdviceRequest& r) { r = Sinked(373, 300, 0); }, std::nullopt},
        {"ambient above 100 °C", [](AdviceRequest& r) { r = Sinked(373.5, 300, 0); },
         AdviceInput::Ambient},
        {"NaN ambient", [&](AdviceRequest& r) { r = Sinked(nan, 300, 0); }, AdviceInput::Ambient},
        {"cold at ambient", [](AdviceRequest& r) { r = Sinked(298, 298, 1); }, AdviceInput::Cold},
        {"negative resistance", [](AdviceRequest& r) { r = Sinked(298, 280, -1e-9); },
         AdviceInput::SinkResistance},
        {"negative voltage", [](AdviceRequest& r) { r.criteria.supplyVoltage = -1; },
         AdviceInput::SupplyVoltage},
        {"negative current", [](AdviceRequest& r) { r.criteria.supplyCurrent = -1; },
         AdviceInput::SupplyCurrent},
        {"fewest modules", [](AdviceRequest& r) { r.modules = AdviceRequest::kFewestModules; },
         std::nullopt},
        {"64 modules", [](AdviceRequest& r) { r.modules = 64; }, std::nullopt},
        {"65 modules", [](AdviceRequest& r) { r.modules = 65; }, AdviceInput::Modules},
        {"-1 modules", [](AdviceRequest& r) { r.modules = -1; }, AdviceInput::Modules},
        {"no cold mass", [](AdviceRequest& r) { r.coldMass = 0.0; }, std::nullopt},
        {"negative cold mass", [](AdviceRequest& r) { r.coldMass = -1e-9; }, AdviceInput::ColdMass},
        {"infinite cold mass", [](AdviceRequest& r) { r.coldMass = HUGE_VAL; },
         AdviceInput::ColdMass},
        {"the load before the count",
         [](AdviceRequest& r) {
             r.modules = 65;
             r.criteria.requiredQ = 0;
         },
         AdviceInput::HeatLoad},
    };
    for (const Case& c : cases) {
        AdviceRequest request;
        request.criteria.requiredQ = 5.0;
        c.change(request);
        const auto fault = CheckAdviceRequest(request);
        ASSERT_EQ(fault.has_value(), c.fault.has_value()) << c.what;
        if (fault) {
            EXPECT_EQ(fault->input, *c.fault) << c.what;
            EXPECT_TRUE(fault->message.ends_with(".")) << fault->message;
        }
    }
}

}  // namespace
}  // namespace vantiq
