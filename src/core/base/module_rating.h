#pragma once

namespace vantiq {

// What the derivation finds for one module at one hot-side temperature.
struct RatedValues {
    double imax = 0.0;  // the current of the largest temperature difference, A
    double umax = 0.0;
    double dtMax = 0.0;  // signed, negative
    double qmax = 0.0;
    double acResistance = 0.0;

    friend bool operator==(const RatedValues&, const RatedValues&) = default;
};

// A module's rated values at the hot side in use, and whether a derivation
// found them. A module that is not derivable holds zeros; it is never listed,
// searched or shown.
struct ModuleRating : RatedValues {
    bool derivable = false;

    friend bool operator==(const ModuleRating&, const ModuleRating&) = default;
};

}  // namespace vantiq
