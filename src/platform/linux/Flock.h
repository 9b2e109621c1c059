#pragma once

#include <sys/file.h>

#include <cerrno>

namespace lumora {

// flock(2) taken again when a signal interrupted it; 0 once the operation took effect.
inline int FlockRetryingInterrupts(int fd, int operation) {
    int result;
    do {
        result = flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

}  // namespace lumora
