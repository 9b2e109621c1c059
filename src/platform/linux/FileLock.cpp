#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/Flock.h"

namespace lumora {

ExclusiveFileLock::ExclusiveFileLock(const std::string& path) {
    for (;;) {
        const int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0) return;
        const int locked = FlockRetryingInterrupts(fd, LOCK_EX);
        struct stat held {};
        struct stat named {};
        if (locked != 0 || fstat(fd, &held) != 0) {
            close(fd);
            return;
        }
        // Replaced while this waited: the lock is on a file nobody else will look at any more.
        if (stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
            named.st_ino == held.st_ino) {
            m_fd = fd;
            return;
        }
        close(fd);
    }
}

ExclusiveFileLock::~ExclusiveFileLock() {
    if (m_fd >= 0) close(m_fd);
}

}  // namespace lumora
