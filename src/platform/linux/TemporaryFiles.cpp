#include "platform/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/linux/Flock.h"

namespace lumora {
namespace {

constexpr int kAttempts = 16;
constexpr size_t kRandomPart = 6;

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kRandomPart || !name.starts_with(prefix)) return false;
    for (char c : name.substr(prefix.size())) {
        if (!IsNameCharacter(c)) return false;
    }
    return true;
}

}  // namespace

int CreateHeldTemporaryFile(std::string& pattern) {
    const std::string original = pattern;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        pattern = original;
        const int fd = mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        // Between creating and locking, a start that cleans up may take the file for a stale
        // one and remove it; the name is then gone and another one is made.
        struct stat info {};
        if (FlockRetryingInterrupts(fd, LOCK_EX) == 0 && fstat(fd, &info) == 0 && info.st_nlink > 0)
            return fd;
        close(fd);
    }
    return -1;
}

int RemoveStaleTemporaryFiles(const std::string& folder, std::string_view prefix) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) return 0;
    const int folderFd = dirfd(directory);
    int removed = 0;
    while (const dirent* entry = readdir(directory)) {
        if (!IsTemporaryName(entry->d_name, prefix)) continue;
        const int fd = openat(folderFd, entry->d_name,
                              O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) continue;
        struct stat held {};
        struct stat named {};
        // The lock is kept while the name is removed, so a writer that made the file but has
        // not locked it yet finds it unlinked once it gets the lock.
        if (fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_uid == geteuid() &&
            flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == held.st_dev && named.st_ino == held.st_ino &&
            unlinkat(folderFd, entry->d_name, 0) == 0) {
            ++removed;
        }
        close(fd);
    }
    closedir(directory);
    return removed;
}

}  // namespace lumora
