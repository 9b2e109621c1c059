#pragma once

#include <string>

namespace lumora {

// An exclusive advisory lock on a file for the life of the object, shared by every process and
// thread that takes it the same way. The file is created, empty, when it does not exist. Since
// writers replace the file by renaming a new one over it, the lock is taken on the file that
// holds the name at the moment it is granted, not on one that was replaced while waiting.
class ExclusiveFileLock {
public:
    explicit ExclusiveFileLock(const std::string& path);
    ~ExclusiveFileLock();
    ExclusiveFileLock(const ExclusiveFileLock&) = delete;
    ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;

    // False when the file could not be opened or locked (a missing folder, no permission).
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace lumora
