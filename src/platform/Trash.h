#pragma once

#include <string>

namespace lumora {

enum class TrashOutcome {
    Trashed,  // the file is in the user's trash
    NoTrash,  // the file system where it lies has no trash; the file is untouched
    Failed,   // it could not be moved (gone, no permission); the file is untouched
};

// Moves a file to the user's freedesktop trash, from where the file manager can restore it.
TrashOutcome MoveToTrash(const std::string& path);

}  // namespace lumora
