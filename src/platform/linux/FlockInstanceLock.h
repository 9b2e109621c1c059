#pragma once

#include <string>

#include "platform/InstanceLock.h"

namespace lumora {

// An exclusive flock on a lock file. The kernel drops the lock when the process ends, however
// it ends, so a crashed instance never blocks the next start.
class FlockInstanceLock : public InstanceLock {
public:
    explicit FlockInstanceLock(std::string path);
    ~FlockInstanceLock() override;
    FlockInstanceLock(const FlockInstanceLock&) = delete;
    FlockInstanceLock& operator=(const FlockInstanceLock&) = delete;

    LockOutcome Acquire() override;

    // lumo.lock in $XDG_RUNTIME_DIR, else /tmp/lumo-<uid>.lock.
    static std::string DefaultPath();

private:
    std::string m_path;
    int m_fd = -1;
};

}  // namespace lumora
