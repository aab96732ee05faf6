#pragma once

#include <cstddef>
#include <functional>

namespace vantiq {

// Runs `body(i)` once for every i in [0, count) on all cores, the calling
// thread and the process's worker pool, handing out indexes in small chunks
// in increasing order; bodies for different indexes must not touch the same
// data. Between its own chunks the calling thread reports progress:
// `advanced(done)` is called on the calling thread only, once for each
// done = 1, 2, ..., count, as the work completes. An exception from a
// body stops the remaining work; once every worker has ended, the first one
// is rethrown on the calling thread. An exception from `advanced` likewise
// ends the workers before it leaves. With one core, inside a body, or while
// another thread's ParallelFor holds the pool, everything runs on the
// calling thread.
void ParallelFor(std::size_t count, const std::function<void(std::size_t)>& body,
                 const std::function<void(std::size_t)>& advanced = {});

}  // namespace vantiq
