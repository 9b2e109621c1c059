#include "platform/linux/SpawnCommandRunner.h"

#include <glib.h>
#include <sys/wait.h>

namespace lumora {

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
    gchar* out = nullptr;
    gint waitStatus = 0;
    // Standard error is dropped: the tools complain there about what the exit code also says.
    if (!g_spawn_sync(nullptr, args.data(), nullptr,
                      GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_STDERR_TO_DEV_NULL), nullptr,
                      nullptr, &out, nullptr, &waitStatus, nullptr)) {
        return result;
    }
    result.started = true;
    result.output = out ? out : "";
    g_free(out);
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
