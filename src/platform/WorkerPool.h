#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace lumora {

// A fixed set of worker threads that take jobs in the order they were handed in. Destroying
// the pool lets the running jobs end and drops the ones that have not started.
class WorkerPool {
public:
    // `threads` 0 means one per processor.
    explicit WorkerPool(unsigned threads = 0);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void Submit(std::function<void()> job);
    // Blocks until no job is queued or running.
    void WaitIdle();

private:
    void Work();

    std::mutex m_mutex;
    std::condition_variable m_wakeWorker;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_jobs;
    unsigned m_running = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

}  // namespace lumora
