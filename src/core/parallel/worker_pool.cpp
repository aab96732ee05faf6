#include "core/parallel/worker_pool.h"

#include <chrono>

namespace vantiq {
namespace {

// Set on the pool's own threads, so that a body that itself runs in
// parallel does its part alone instead of waiting for its own pool.
thread_local bool onWorker = false;

// How long a worker watches for the next job before it sleeps. Waking a
// sleeping thread can take a tenth of a millisecond or more (far more on a
// virtual machine), as long as a small job takes in all; jobs often come in
// runs (a reload derives, then searches, then advises), and a worker still
// watching starts on the next one at once.
constexpr std::chrono::microseconds kWatchAfterJob{200};

}  // namespace

WorkerPool& WorkerPool::Instance() {
    const unsigned cores = std::thread::hardware_concurrency();
    static WorkerPool pool(cores > 1 ? cores - 1 : 0);
    return pool;
}

WorkerPool::WorkerPool(std::size_t workers) {
    threads_.reserve(workers);
    for (std::size_t i = 0; i < workers; ++i) {
        threads_.emplace_back([this] { Serve(); });
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    offered_.notify_all();
    for (auto& thread : threads_) {
        thread.join();
    }
}

bool WorkerPool::Lend(const std::function<void()>& work) {
    if (onWorker || threads_.empty()) {
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        if (work_) {
            return false;
        }
        work_ = &work;
        ++generation_;
        lent_.store(generation_, std::memory_order_release);
    }
    offered_.notify_all();
    return true;
}

void WorkerPool::Withdraw() {
    std::unique_lock lock(mutex_);
    work_ = nullptr;
    idle_.wait(lock, [&] { return busy_ == 0; });
}

void WorkerPool::Serve() {
    onWorker = true;
    std::uint64_t taken = 0;
    std::unique_lock lock(mutex_);
    for (;;) {
        lock.unlock();
        AwaitOffer(taken);
        lock.lock();
        offered_.wait(lock, [&] { return stopping_ || (work_ && generation_ != taken); });
        if (stopping_) {
            return;
        }
        taken = generation_;
        const std::function<void()>& work = *work_;
        ++busy_;
        lock.unlock();
        work();
        lock.lock();
        if (--busy_ == 0) {
            idle_.notify_all();
        }
    }
}

void WorkerPool::AwaitOffer(std::uint64_t taken) const {
    const auto until = std::chrono::steady_clock::now() + kWatchAfterJob;
    while (lent_.load(std::memory_order_acquire) == taken &&
           std::chrono::steady_clock::now() < until) {
    }
}

}  // namespace vantiq
