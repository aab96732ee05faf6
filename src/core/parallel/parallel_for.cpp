#include "core/parallel/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

namespace vantiq {
namespace {

// How often the waiting thread reports progress while no worker has ended.
constexpr std::chrono::milliseconds kReportInterval{10};

// The shared state of one ParallelFor: the next index to hand out, the count
// done, the workers still running and the first failure.
class ParallelRun {
public:
    ParallelRun(std::size_t count, std::size_t chunk, const std::function<void(std::size_t)>& body)
        : count_(count), chunk_(chunk), body_(body) {}

    void Enlist() {
        std::lock_guard lock(mutex_);
        ++running_;
    }

    void Work(std::stop_token stop) {
        try {
            RunChunks(stop);
        } catch (...) {
            Fail(std::current_exception());
        }
        {
            std::lock_guard lock(mutex_);
            --running_;
        }
        ended_.notify_all();
    }

    // Waits until every worker has ended or the interval has passed; true
    // when they have ended.
    bool WaitForEnd(std::chrono::milliseconds interval) {
        std::unique_lock lock(mutex_);
        return ended_.wait_for(lock, interval, [&] { return running_ == 0; });
    }

    std::size_t Done() const { return done_.load(std::memory_order_acquire); }

    void RethrowFailure() const {
        if (error_) {
            std::rethrow_exception(error_);
        }
    }

private:
    void RunChunks(const std::stop_token& stop) {
        for (;;) {
            const std::size_t begin = next_.fetch_add(chunk_);
            if (begin >= count_) {
                return;
            }
            const std::size_t end = std::min(begin + chunk_, count_);
            for (std::size_t i = begin; i < end; ++i) {
                if (stop.stop_requested() || failed_.load(std::memory_order_relaxed)) {
                    return;
                }
                body_(i);
                done_.fetch_add(1, std::memory_order_release);
            }
        }
    }

    void Fail(std::exception_ptr error) {
        std::lock_guard lock(mutex_);
        if (!error_) {
            error_ = error;
        }
        failed_ = true;
    }

    const std::size_t count_;
    const std::size_t chunk_;
    const std::function<void(std::size_t)>& body_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> done_{0};
    std::atomic<bool> failed_{false};
    std::mutex mutex_;
    std::condition_variable ended_;
    std::size_t running_ = 0;
    std::exception_ptr error_;
};

void RunHere(std::size_t count, const std::function<void(std::size_t)>& body,
             const std::function<void(std::size_t)>& advanced) {
    for (std::size_t i = 0; i < count; ++i) {
        body(i);
        if (advanced) {
            advanced(i + 1);
        }
    }
}

// Small chunks keep both cores busy to the end even when the cost per index
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
    const std::size_t threads = std::min<std::size_t>(std::thread::hardware_concurrency(), count);
    if (threads <= 1) {
        RunHere(count, body, advanced);
        return;
    }
    ParallelRun run(count, ChunkFor(count, threads), body);
    std::size_t reported = 0;
    {
        // Declared after `run`, so leaving this block by any way stops and
        // joins every worker before `run` goes.
        std::vector<std::jthread> workers;
        workers.reserve(threads);
        for (std::size_t t = 0; t < threads; ++t) {
            run.Enlist();
            workers.emplace_back([&run](std::stop_token stop) { run.Work(stop); });
        }
        while (!run.WaitForEnd(kReportInterval)) {
            reported = Report(reported, run.Done(), advanced);
        }
    }
    run.RethrowFailure();
    Report(reported, run.Done(), advanced);
}

}  // namespace vantiq
