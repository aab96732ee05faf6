#pragma once

#include <cstdint>

#include "core/model/base_derivation.h"

namespace vantiq {

// Counts a load's progress reports: the count it started with, the last
// step, and whether every step followed the one before.
class LoadStepCounter : public LoadProgress {
public:
    void Started(std::uint32_t count) override { started = count; }
    void Advanced(std::uint32_t done) override {
        inOrder = inOrder && done == steps + 1;
        steps = done;
    }

    // True when the load started with `count` and stepped through all of it.
    bool SteppedThrough(std::uint32_t count) const {
        return started == count && steps == count && inOrder;
    }

    std::uint32_t started = 0;
    std::uint32_t steps = 0;
    bool inOrder = true;
};

}  // namespace vantiq
