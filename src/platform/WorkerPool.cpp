#include "platform/WorkerPool.h"

namespace lumora {

WorkerPool::WorkerPool(unsigned threads) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    m_threads.reserve(threads);
    for (unsigned i = 0; i < threads; ++i) m_threads.emplace_back([this] { Work(); });
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wakeWorker.notify_all();
    for (std::thread& thread : m_threads) thread.join();
}

void WorkerPool::Submit(std::function<void()> job) {
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping) return;
        m_jobs.push_back(std::move(job));
    }
    m_wakeWorker.notify_one();
}

void WorkerPool::WaitIdle() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && m_running == 0; });
}

void WorkerPool::Work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wakeWorker.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_stopping) return;
        auto job = std::move(m_jobs.front());
        m_jobs.pop_front();
        ++m_running;
        lock.unlock();
        job();
        job = nullptr;  // whatever the job holds is released off the lock too
        lock.lock();
        --m_running;
        if (m_jobs.empty() && m_running == 0) m_idle.notify_all();
    }
}

}  // namespace lumora
