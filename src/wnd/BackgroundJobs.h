#pragma once

#include <atomic>
#include <memory>
#include <utility>

#include "platform/Host.h"

namespace lumora {

// Work that a window hands to a worker thread, with its result brought back to the GUI thread
// as a completion. Revoke() (and the destructor) drop every result still on its way, so a
// window destroyed or a page reloaded never receives a stale one; the work can look at its
// token and stop early.
class BackgroundJobs {
public:
    // Answers whether the jobs' owner has revoked them; safe on any thread.
    class Token {
    public:
        bool Cancelled() const { return m_flag->load(); }
        // The flag itself, for code below the framework that polls it (a transfer).
        const std::atomic<bool>* Flag() const { return m_flag.get(); }

    private:
        friend class BackgroundJobs;
        explicit Token(std::shared_ptr<std::atomic<bool>> flag) : m_flag(std::move(flag)) {}
        std::shared_ptr<std::atomic<bool>> m_flag;
    };

    BackgroundJobs() : m_cancelled(std::make_shared<std::atomic<bool>>(false)) {}
    ~BackgroundJobs() { Revoke(); }
    BackgroundJobs(const BackgroundJobs&) = delete;
    BackgroundJobs& operator=(const BackgroundJobs&) = delete;

    // Runs `work(token)` off the GUI thread, then `done(result)` on it unless revoked meanwhile.
    template <class Work, class Done>
    void Run(Work work, Done done) {
        Host& host = CurrentHost();
        auto flag = m_cancelled;
        host.RunInBackground(
            [&host, flag, work = std::move(work), done = std::move(done)]() mutable {
                auto result = std::make_shared<decltype(work(Token(flag)))>(work(Token(flag)));
                host.PostCompletion([flag, result, done = std::move(done)]() mutable {
                    if (!flag->load()) done(std::move(*result));
                });
            });
    }

    // Drops the results of every job started so far; later jobs are not affected.
    void Revoke() {
        m_cancelled->store(true);
        m_cancelled = std::make_shared<std::atomic<bool>>(false);
    }

private:
    std::shared_ptr<std::atomic<bool>> m_cancelled;
};

}  // namespace lumora
