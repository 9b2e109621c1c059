#include "platform/linux/SpawnCommandRunner.h"

#include <glib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "platform/linux/PollUntil.h"

namespace lumora {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Collects the pipe until it closes or the deadline passes.
std::string ReadUntil(int fd, Clock::time_point deadline) {
    std::string out;
    char buffer[4096];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, MillisecondsLeft(deadline)) <= 0) {
            break;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return out;
}

// The child's wait status once it ended; nothing when it outlived the deadline.
bool WaitUntil(GPid pid, Clock::time_point deadline, int& waitStatus) {
    return PollUntil(deadline, std::chrono::milliseconds(10),
                     [&] { return ::waitpid(pid, &waitStatus, WNOHANG) == pid; });
}

}  // namespace

CommandResult SpawnCommandRunner::Run(const std::vector<std::string>& argv) {
    CommandResult result;
    if (argv.empty()) {
        return result;
    }
    std::vector<gchar*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<gchar*>(arg.c_str()));
    }
    args.push_back(nullptr);
    GPid pid = 0;
    gint out = -1;
    // Standard error is dropped: the tools complain there about what the exit code also says.
    if (!g_spawn_async_with_pipes(nullptr, args.data(), nullptr,
                                  GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD |
                                              G_SPAWN_STDERR_TO_DEV_NULL),
                                  nullptr, nullptr, &pid, nullptr, &out, nullptr, nullptr)) {
        return result;
    }
    result.started = true;
    const auto deadline = Clock::now() + m_timeout;
    result.output = ReadUntil(out, deadline);
    ::close(out);
    int waitStatus = 0;
    if (!WaitUntil(pid, deadline, waitStatus)) {
        // A tool that stays (one that became the desktop itself, or hangs on a dead peer)
        // would hold the program: it is ended and counts as failed.
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        return result;
    }
    if (WIFEXITED(waitStatus)) {
        result.exitCode = WEXITSTATUS(waitStatus);
    }
    return result;
}

CommandRunner& SystemCommandRunner() {
    static SpawnCommandRunner runner;
    return runner;
}

}  // namespace lumora
