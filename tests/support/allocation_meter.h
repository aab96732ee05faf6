#pragma once

#include <cstddef>

namespace vantiq::test {

// Measures the most heap memory held at once through operator new while it
// lives, above what was held when it was made. Linking allocation_meter.cpp
// replaces the global operator new and delete of the whole test program, so
// only one test program may link it.
class AllocationMeter {
public:
    AllocationMeter();

    // The largest number of bytes held at once since construction, above
    // the starting level.
    std::size_t PeakBytes() const;

private:
    long long baseline_;
};

}  // namespace vantiq::test
