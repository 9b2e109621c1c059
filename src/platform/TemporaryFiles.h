#pragma once

#include <string>
#include <string_view>

namespace lumora {

// Temporary files that a crash may leave behind. Each is created under a fixed prefix followed
// by six random characters, and its writer holds an exclusive lock on it until the file has
// been renamed into place or removed. A file under such a name that nobody holds a lock on is
// one a killed writer left, and can go.

// Creates a new file from `pattern`, which ends in "XXXXXX" (replaced by the name made), opened
// for reading and writing, not inherited by child processes, and locked until the descriptor
// is closed. -1 on failure.
int CreateHeldTemporaryFile(std::string& pattern);

// Removes from `folder` the regular files of the user named `prefix` followed by exactly six
// characters that no process holds. Answers how many it removed.
int RemoveStaleTemporaryFiles(const std::string& folder, std::string_view prefix);

}  // namespace lumora
