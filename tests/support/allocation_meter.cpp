#include "allocation_meter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> g_live{0};
std::atomic<long long> g_peak{0};

void RaisePeak(long long live) {
    long long peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
}

}  // namespace

// The usable size of each block is what counts: it is known again at free
// time without a header, and it is what the block really holds.
void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    RaisePeak(g_live += static_cast<long long>(malloc_usable_size(block)));
    return block;
}

void operator delete(void* block) noexcept {
    if (block != nullptr) {
        g_live -= static_cast<long long>(malloc_usable_size(block));
        std::free(block);
    }
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}

namespace vantiq::test {

AllocationMeter::AllocationMeter() : baseline_(g_live.load()) {
    g_peak = baseline_;
}

std::size_t AllocationMeter::PeakBytes() const {
    return static_cast<std::size_t>(g_peak.load() - baseline_);
}

}  // namespace vantiq::test
