#pragma once

#include <string>
#include <string_view>

namespace lumora {

// Replaces the file at `path` with `bytes` so that at every moment the path holds either the
// old content or the whole new one: the bytes go to a temporary file in the same directory,
// are flushed to the disk, and the temporary file is renamed over the old one. A symbolic link
// at `path` is followed, so the file it points to is replaced. A new file gets the permissions
// the umask allows, a replaced one keeps its own. False when anything failed; the old file is
// then untouched and no temporary file remains.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that replacements of `path` left when their process was killed
// halfway; the one a running replacement holds stays.
void RemoveStaleReplacements(const std::string& path);

}  // namespace lumora
