#include "platform/linux/FlockInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/linux/Flock.h"

namespace lumora {

FlockInstanceLock::FlockInstanceLock(std::string path) : m_path(std::move(path)) {}

FlockInstanceLock::~FlockInstanceLock() {
    if (m_fd >= 0) {
        close(m_fd);
    }
}

LockOutcome FlockInstanceLock::Acquire() {
    if (m_fd >= 0) {
        return LockOutcome::Acquired;
    }
    // O_NOFOLLOW: in the shared /tmp, a link planted by someone else must not be opened.
    int fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return LockOutcome::Failed;
    }
    if (FlockRetryingInterrupts(fd, LOCK_EX | LOCK_NB) != 0) {
        bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? LockOutcome::HeldElsewhere : LockOutcome::Failed;
    }
    m_fd = fd;
    return LockOutcome::Acquired;
}

std::string FlockInstanceLock::DefaultPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        return std::string(runtime) + "/lumo.lock";
    }
    return "/tmp/lumo-" + std::to_string(getuid()) + ".lock";
}

InstanceLock& SystemInstanceLock() {
    static FlockInstanceLock lock(FlockInstanceLock::DefaultPath());
    return lock;
}

}  // namespace lumora
