#include "platform/linux/StatvfsDiskSpace.h"

#include <sys/statvfs.h>

namespace lumora {

std::optional<std::uint64_t> StatvfsDiskSpace::FreeBytes(const std::string& path) {
    struct statvfs info {};
    if (path.empty() || statvfs(path.c_str(), &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.f_bfree) * static_cast<std::uint64_t>(info.f_frsize);
}

DiskSpace& SystemDiskSpace() {
    static StatvfsDiskSpace disk;
    return disk;
}

}  // namespace lumora
