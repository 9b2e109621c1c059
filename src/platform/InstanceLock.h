#pragma once

namespace lumora {

enum class LockOutcome {
    Acquired,       // this process is the only instance
    HeldElsewhere,  // another instance holds the lock
    Failed,         // the lock could not be made; the program runs unprotected
};

// Port to the per-user single-instance lock. Once acquired, the lock is held until the object
// (for the system lock: the process) ends.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    virtual LockOutcome Acquire() = 0;
};

// The user's lock "lumo", shared by every Lumora process of the user.
InstanceLock& SystemInstanceLock();

}  // namespace lumora
