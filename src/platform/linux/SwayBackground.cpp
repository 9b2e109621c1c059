#include "platform/linux/SwayBackground.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/linux/DoubleQuoted.h"
#include "platform/linux/PollUntil.h"
#include "platform/linux/ProcessTable.h"
#include "platform/linux/SwaybgBackground.h"

namespace lumora {
namespace {

using namespace std::chrono_literals;

// sway starts its swaybg a moment after answering; a picture it cannot show ends it soon
// after.
constexpr auto kStartWait = 3s;
constexpr auto kSettleTime = 300ms;
constexpr auto kPoll = 50ms;

bool ShowsPicture(const RunningProgram& program, const std::string& path) {
    const auto& argv = program.argv;
    for (std::size_t i = 1; i + 1 < argv.size(); ++i) {
        if ((argv[i] == "-i" || argv[i] == "--image") && argv[i + 1] == path) {
            return true;
        }
    }
    return false;
}

// A swaybg that was not running before the change and shows the picture.
pid_t NewSwaybgWith(const std::vector<RunningProgram>& before, const std::string& path) {
    for (const RunningProgram& program : RunningPrograms("swaybg")) {
        const bool old = std::any_of(before.begin(), before.end(),
                                     [&](const RunningProgram& b) { return b.pid == program.pid; });
        if (!old && ShowsPicture(program, path)) {
            return program.pid;
        }
    }
    return 0;
}

}  // namespace

std::string SwayBackground::Command(const std::string& path, int layout) {
    return "output * bg " + DoubleQuoted(path) + " " + SwaybgBackground::kModes[layout];
}

int SwayBackground::SetWallpaper(const std::string& path, int layout) {
    if (layout < kLayoutTiled || layout > kLayoutFilled) {
        return EINVAL;
    }
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(path, error).string();
    const std::vector<RunningProgram> before = RunningPrograms("swaybg");
    // sway starts a new swaybg for every such command, so the same path is read again.
    const CommandResult result = m_runner.Run({"swaymsg", Command(absolute, layout)});
    if (!result.started) {
        return ENXIO;
    }
    if (result.exitCode != 0) {
        return EIO;
    }
    pid_t shown = 0;
    if (!PollUntil(std::chrono::steady_clock::now() + kStartWait, kPoll,
                   [&] { return (shown = NewSwaybgWith(before, absolute)) != 0; })) {
        return EIO;
    }
    std::this_thread::sleep_for(kSettleTime);
    return IsRunning(shown, "swaybg") ? 0 : EIO;
}

}  // namespace lumora
