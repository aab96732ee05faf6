#pragma once

#include "core/base/tem_record.h"

namespace vantiq {

// Contact resistivity of one leg-to-conductor junction, Ω·m²; a couple has four.
inline constexpr double kContactResistivity = 1e-10;

// Heat absorbed at the cold side, W (positive while cooling), for current
// `current` (A), cold side `tc` and hot side `th` (K). Material properties
// vary linearly with the mean leg temperature. Never fails; input that is not
// physical gives a non-finite result.
double ColdSideHeat(const TemRecord& record, double current, double tc, double th);

// Voltage across the module, V, at the same operating point.
double ModuleVoltage(const TemRecord& record, double current, double tc, double th);

// The model at fixed cold and hot sides, where every property depends only
// on x = Tc - Th: the cold-side heat is the quadratic
// Qc(I) = peltier·I - joule·I² + conduction and the voltage the line
// U(I) = seebeckVoltage + I·resistance, with the very coefficients
// ColdSideHeat and ModuleVoltage evaluate.
struct OperatingCoefficients {
    double peltier;         // N·Tc·S(x), W/A
    double joule;           // ½·(R(x) + Rc), Ω
    double conduction;      // K(x)·x, W (negative while cooling)
    double seebeckVoltage;  // -N·x·S(x), V
    double resistance;      // R(x) + Rc, Ω
};

// The coefficients at cold side `tc` and hot side `th` (K). Never fails;
// input that is not physical gives non-finite coefficients.
OperatingCoefficients CoefficientsAt(const TemRecord& record, double tc, double th);

// The module's resistance with no temperature correction, Ω: legs plus contacts.
double AcResistance(const TemRecord& record);

}  // namespace vantiq
