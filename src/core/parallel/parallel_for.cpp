#include "core/parallel/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <mutex>

#include "core/parallel/worker_pool.h"

namespace vantiq {
namespace {

// The shared state of one ParallelFor: the next index to hand out, the count
// done and the first failure.
class ParallelRun {
public:
    ParallelRun(std::size_t count, std::size_t chunk, const std::function<void(std::size_t)>& body)
        : count_(count), chunk_(chunk), body_(body) {}

    // Runs chunks until none is left or the run stopped.
    void Work() {
        while (RunChunk()) {
        }
    }

    // Runs the next chunk; false when none was left or the run stopped.
    bool RunChunk() {
        try {
            return TryChunk();
        } catch (...) {
            Fail(std::current_exception());
            return false;
        }
    }

    void Stop() { stopped_.store(true, std::memory_order_relaxed); }

    std::size_t Done() const { return done_.load(std::memory_order_acquire); }

    void RethrowFailure() {
        std::lock_guard lock(mutex_);
        if (error_) {
            std::rethrow_exception(error_);
        }
    }

private:
    bool TryChunk() {
        const std::size_t begin = next_.fetch_add(chunk_);
        if (begin >= count_) {
            return false;
        }
        const std::size_t end = std::min(begin + chunk_, count_);
        for (std::size_t i = begin; i < end; ++i) {
            if (stopped_.load(std::memory_order_relaxed)) {
                return false;
            }
            body_(i);
            done_.fetch_add(1, std::memory_order_release);
        }
        return true;
    }

    void Fail(std::exception_ptr error) {
        std::lock_guard lock(mutex_);
        if (!error_) {
            error_ = error;
        }
        Stop();
    }

    const std::size_t count_;
    const std::size_t chunk_;
    const std::function<void(std::size_t)>& body_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> done_{0};
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::exception_ptr error_;
};

// Takes the pool's workers back however the calling thread leaves; leaving
// early, by an exception, stops the run first so that they end soon.
class Loan {
public:
    Loan(WorkerPool& pool, ParallelRun& run, const std::function<void()>& work)
        : pool_(pool), run_(run), lent_(pool.Lend(work)) {}
    ~Loan() {
        if (lent_) {
            run_.Stop();
            Return();
        }
    }
    Loan(const Loan&) = delete;
    Loan& operator=(const Loan&) = delete;

    // Waits until the workers have finished what they took.
    void Return() {
        if (lent_) {
            pool_.Withdraw();
            lent_ = false;
        }
    }

private:
    WorkerPool& pool_;
    ParallelRun& run_;
    bool lent_;
};

// Below this much work in all, waking the workers and waiting for the last
// of them costs more than they save, the more so on a busy machine where a
// worker holding a chunk may not run for a while. Workers still watching
// for the next job (see WorkerPool) take it within microseconds, so a few
// hundred microseconds of work already gain from them.
constexpr std::chrono::microseconds kWorthSharing{300};

// Whether the work left, judged by the time the first chunk took, is worth
// the workers.
bool WorthSharing(std::chrono::steady_clock::duration firstChunk, std::size_t chunk,
                  std::size_t count) {
    const double chunks = static_cast<double>(count) / static_cast<double>(chunk);
    return firstChunk * chunks > kWorthSharing;
}

// Small chunks keep every core busy to the end even when the cost per index
// varies; a few dozen per thread keep the shared counter cold.
std::size_t ChunkFor(std::size_t count, std::size_t threads) {
    return std::clamp<std::size_t>(count / (threads * 16), 1, 64);
}

// Reports every index done since `reported` and returns the new count.
std::size_t Report(std::size_t reported, std::size_t done,
                   const std::function<void(std::size_t)>& advanced) {
    while (advanced && reported < done) {
        advanced(++reported);
    }
    return done;
}

}  // namespace

void ParallelFor(std::size_t count, const std::function<void(std::size_t)>& body,
                 const std::function<void(std::size_t)>& advanced) {
    if (count == 0) {
        return;
    }
    WorkerPool& pool = WorkerPool::Instance();
    const std::size_t chunk = ChunkFor(count, pool.Workers() + 1);
    ParallelRun run(count, chunk, body);
    const std::function<void()> work = [&run] { run.Work(); };
    const auto started = std::chrono::steady_clock::now();
    bool more = run.RunChunk();
    std::size_t reported = Report(0, run.Done(), advanced);
    if (more && WorthSharing(std::chrono::steady_clock::now() - started, chunk, count)) {
        // The calling thread keeps working alongside the pool.
        Loan loan(pool, run, work);
        while (run.RunChunk()) {
            reported = Report(reported, run.Done(), advanced);
        }
        loan.Return();
    }
    while (more && (more = run.RunChunk())) {
        reported = Report(reported, run.Done(), advanced);
    }
    run.RethrowFailure();
    Report(reported, run.Done(), advanced);
}

}  // namespace vantiq
