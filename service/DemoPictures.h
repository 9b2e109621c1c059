#pragma once

#include <filesystem>

namespace lumora::service {

// Makes the demo library the service shows when it is given no picture folder: sixteen drawn
// wallpapers (gradients and shapes) in four categories, at 1920 × 1080 and 3840 × 2160, as JPEG
// and PNG, with Chinese and ASCII names and their thumbnails, written once into `cacheRoot` and
// reused by later starts. Returns the folder; empty when it cannot be written.
std::filesystem::path EnsureDemoPictures(const std::filesystem::path& cacheRoot);

// The cache folder used when none is given: $XDG_CACHE_HOME/lumora-service, else
// ~/.cache/lumora-service, else a folder under the system's temporary directory.
std::filesystem::path DefaultCacheRoot();

}  // namespace lumora::service
