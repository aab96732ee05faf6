#pragma once

#include "core/base/tem_record.h"

namespace vantiq {

// Rigorous bounds on the cold-side heat of one module at one current as a
// function of the cold-side temperature Tc over a fixed range: how fast the
// exact heat can change between two temperatures, and how far ColdSideHeat's
// computed doubles can lie from the exact values. The bounds carry generous
// margins for the rounding of their own arithmetic. They hold only for the
// modules and hot sides that Applies accepts.
class HeatSlope {
public:
    // An enclosure of dQc/dTc, W/K.
    struct Range {
        double lower = 0.0;
        double upper = 0.0;
    };

    // True when the bounds are rigorous for `record` at `th` for Tc in
    // [tFirst, tLast]: every constant finite, geometry and conductivities
    // positive, magnitudes far from overflow and underflow, and every
    // temperature factor of the model at least 1/4.
    static bool Applies(const TemRecord& record, double th, double tFirst, double tLast);

    // Bounds for `current` (0 or of magnitude 1e-22 to 2e20 A) on
    // [tFirst, tLast]. Only meaningful when Applies holds.
    HeatSlope(const TemRecord& record, double th, double current, double tFirst, double tLast);

    // Encloses dQc/dTc for every Tc in [a, b], tFirst <= a <= b <= tLast.
    Range Over(double a, double b) const;

    // The largest difference between ColdSideHeat and the exact heat at this
    // current for any Tc in [tFirst, tLast], W.
    double Error() const { return error_; }

private:
    double Linear(double t) const;
    double Joule(double t) const;

    double th_;
    double peltier_;  // N·I·α: the Peltier term's slope is this times 2 + 0.0018·(2Tc − Th)
    double conduction_;  // 2κN·A/L: the conduction term's slope is this times 1 − 0.0018·x
    double joule_;       // ½I²·N·(L/A)/σ: the Joule term's slope is minus this times g(x)
    double margin_;
    double error_;
};

}  // namespace vantiq
