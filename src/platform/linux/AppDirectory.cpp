#include "platform/AppDirectory.h"

#include <unistd.h>

#include <climits>

namespace lumora {

std::string ApplicationDirectory() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return {};
    }
    std::string path(buffer, static_cast<size_t>(length));
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    return path.substr(0, slash);
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer)) {
        return {};
    }
    return buffer;
}

}  // namespace lumora
