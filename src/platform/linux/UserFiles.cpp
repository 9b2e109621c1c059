#include "platform/UserFiles.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace lumora {

// By the XDG rules a relative $XDG_CONFIG_HOME is ignored.
std::string UserConfigDirectory() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/') {
        return configHome;
    }
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        return std::string(home) + "/.config";
    }
    if (const passwd* entry = getpwuid(getuid());
        entry && entry->pw_dir && entry->pw_dir[0] == '/') {
        return std::string(entry->pw_dir) + "/.config";
    }
    return {};
}

std::string ClientIdFilePath() {
    std::string base = UserConfigDirectory();
    return base.empty() ? std::string() : base + "/lumora/id";
}

std::string AutostartFilePath() {
    std::string base = UserConfigDirectory();
    return base.empty() ? std::string() : base + "/autostart/lumo.desktop";
}

}  // namespace lumora
