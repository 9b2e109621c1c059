#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumora {

// Port to the file systems' free space.
class DiskSpace {
public:
    virtual ~DiskSpace() = default;
    // The free bytes of the file system that holds `path`, reserved blocks included; nothing
    // when the path cannot be looked at (missing, unreachable).
    virtual std::optional<std::uint64_t> FreeBytes(const std::string& path) = 0;
};

DiskSpace& SystemDiskSpace();

}  // namespace lumora
