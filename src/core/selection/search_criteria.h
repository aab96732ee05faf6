#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantiq {

// Which electrical requirement the curve test reads: the power supply's
// voltage and current, or the module's AC resistance with a tolerance.
enum class ElectricalMode : std::int32_t { Supply = 0, Resistance = 1 };

// The requirements a search applies, as the selection wizard collects them.
// A numeric requirement takes part only when it is not exactly 0.0; negative
// values count as set.
struct SearchCriteria {
    static constexpr std::size_t kMaxNameFilterBytes = 29;

    std::string nameFilter{};  // Windows-1251 bytes, at most 29; empty = not set
    ElectricalMode electricalMode = ElectricalMode::Supply;
    std::int32_t tolerancePercent = 1;  // 1, 5, 10 or 20
    double requiredQ = 0.0;             // W
    double requiredDT = 0.0;            // K
    double supplyVoltage = 0.0;         // V
    double supplyCurrent = 0.0;         // A
    double requiredResistance = 0.0;    // Ω
    double maxWidth = 0.0;              // mm
    double maxLength = 0.0;             // mm
    double maxHeight = 0.0;             // mm
};

// Whether a numeric requirement takes part: every value but exactly 0.0.
inline bool IsSet(double requirement) {
    return requirement != 0.0;
}

}  // namespace vantiq
