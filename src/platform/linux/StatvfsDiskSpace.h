#pragma once

#include "platform/DiskSpace.h"

namespace lumora {

// Free space as statvfs reports it: free blocks times the fragment size.
class StatvfsDiskSpace : public DiskSpace {
public:
    std::optional<std::uint64_t> FreeBytes(const std::string& path) override;
};

}  // namespace lumora
