#include "platform/linux/SwaybgBackground.h"

#include <glib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/linux/ProcessTable.h"

namespace lumora {
namespace {

using namespace std::chrono_literals;

// How long a new swaybg must keep running before it counts as showing the picture: one that
// cannot reach the compositor or read the picture ends well within it.
constexpr auto kSettleTime = 500ms;
constexpr auto kPoll = 25ms;

// Where the swaybg of an earlier run of the program is remembered, so it can be replaced too.
std::filesystem::path PidFile() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path folder =
        runtime && *runtime ? runtime : std::filesystem::temp_directory_path();
    return folder / ("lumo-swaybg-" + std::to_string(::getuid()) + ".pid");
}

pid_t RememberedPid() {
    std::ifstream in(PidFile());
    long pid = 0;
    in >> pid;
    return static_cast<pid_t>(pid);
}

// A session of its own: the swaybg does not end with the program's terminal or process group.
void Detach(gpointer) { ::setsid(); }

// Our own child ended: reap it. False while it runs.
bool ChildEnded(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) == pid;
}

void End(pid_t pid, bool ourChild) {
    if (pid <= 0) {
        return;
    }
    if (ourChild) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    } else if (IsRunning(pid, "swaybg")) {
        ::kill(pid, SIGTERM);
    }
}

}  // namespace

int SwaybgBackground::SetWallpaper(const std::string& path, int layout) {
    if (layout < kLayoutTiled || layout > kLayoutFilled) {
        return EINVAL;
    }
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(path, error).string();
    // A new swaybg reads the file afresh, whatever its path.
    std::vector<std::string> argv = {"swaybg", "-o", "*", "-i", absolute, "-m", kModes[layout]};
    std::vector<gchar*> args;
    for (std::string& arg : argv) {
        args.push_back(arg.data());
    }
    args.push_back(nullptr);
    GPid pid = 0;
    if (!g_spawn_async(nullptr, args.data(), nullptr,
                       GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD |
                                   G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL),
                       Detach, nullptr, &pid, nullptr)) {
        return ENXIO;
    }
    for (auto waited = 0ms; waited < kSettleTime; waited += kPoll) {
        std::this_thread::sleep_for(kPoll);
        if (ChildEnded(pid)) {
            // The previous picture stays.
            return EIO;
        }
    }
    const pid_t remembered = RememberedPid();
    if (remembered != m_current && remembered != pid) {
        End(remembered, false);
    }
    End(m_current, true);
    m_current = pid;
    std::ofstream(PidFile(), std::ios::trunc) << pid << "\n";
    return 0;
}

}  // namespace lumora
