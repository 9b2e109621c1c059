#pragma once

#include <filesystem>

namespace lumora::service {

// Makes the demo library the service shows when it is given no picture folder: a dozen drawn
// wallpapers (gradients and shapes) with their thumbnails and Chinese names, written once into
// `cacheRoot` and reused by later starts. Returns the folder; empty when it cannot be written.
std::filesystem::path EnsureDemoPictures(const std::filesystem::path& cacheRoot);

// The cache folder used when none is given: $XDG_CACHE_HOME/lumora-service, else
// ~/.cache/lumora-service, else a folder under the system's temporary directory.
std::filesystem::path DefaultCacheRoot();

}  // namespace lumora::service
