#pragma once

#include <map>
#include <string>

#include "platform/DiskSpace.h"

namespace lumora {

// Free space for tests: a figure per path; a path without one cannot be looked at.
class FixedDiskSpace : public DiskSpace {
public:
    std::optional<std::uint64_t> FreeBytes(const std::string& path) override {
        auto it = freeBytes.find(path);
        if (it == freeBytes.end()) return std::nullopt;
        return it->second;
    }

    std::map<std::string, std::uint64_t> freeBytes;
};

}  // namespace lumora
