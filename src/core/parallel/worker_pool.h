#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vantiq {

// The process's one set of worker threads, one fewer than the cores so that
// the calling thread works alongside them. Threads start on first use and
// are stopped and joined when the process ends. After a job a worker keeps
// watching for the next one briefly before it sleeps. One job at a time is lent
// out; a caller finding the workers busy, or a worker itself, gets none and
// does its work alone.
class WorkerPool {
public:
    // The pool, started on the first call.
    static WorkerPool& Instance();

    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    std::size_t Workers() const { return threads_.size(); }

    // Lets every worker run `work` (which must return once no work is left)
    // until Withdraw; false, and nothing lent, while another job is out or
    // when called from a worker.
    bool Lend(const std::function<void()>& work);

    // Lends no more and waits until every worker that took the job is done
    // with it.
    void Withdraw();

private:
    explicit WorkerPool(std::size_t workers);
    void Serve();
    // Watches, without the lock, for a job newer than `taken`, for a while.
    void AwaitOffer(std::uint64_t taken) const;

    std::mutex mutex_;
    std::condition_variable offered_;
    std::condition_variable idle_;
    const std::function<void()>* work_ = nullptr;
    std::uint64_t generation_ = 0;        // counts the jobs lent, so none is taken twice
    std::atomic<std::uint64_t> lent_{0};  // generation_, readable without the lock
    std::size_t busy_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace vantiq
