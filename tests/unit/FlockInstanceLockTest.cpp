#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "platform/linux/FlockInstanceLock.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace lumora::test {

TEST(FlockInstanceLockTest, SecondHolderIsRefusedUntilFirstEnds) {
    TempDir dir;
    const std::string path = (dir / "lumo.lock").string();
    auto first = std::make_unique<FlockInstanceLock>(path);
    ASSERT_EQ(first->Acquire(), LockOutcome::Acquired);
    EXPECT_EQ(FlockInstanceLock(path).Acquire(), LockOutcome::HeldElsewhere);

    // Another process sees the lock as well.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(FlockInstanceLock(path).Acquire() == LockOutcome::HeldElsewhere ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    first.reset();
    EXPECT_EQ(FlockInstanceLock(path).Acquire(), LockOutcome::Acquired);
}

TEST(FlockInstanceLockTest, UnusableLockFileFails) {
    TempDir dir;
    EXPECT_EQ(FlockInstanceLock((dir / "absent" / "lumo.lock").string()).Acquire(),
              LockOutcome::Failed);
    // A link planted in place of the lock file is not followed.
    symlink((dir / "elsewhere").c_str(), (dir / "lumo.lock").c_str());
    EXPECT_EQ(FlockInstanceLock((dir / "lumo.lock").string()).Acquire(), LockOutcome::Failed);
}

TEST(FlockInstanceLockTest, DefaultPath) {
    {
        ScopedEnv runtime("XDG_RUNTIME_DIR", "/run/user/1000");
        EXPECT_EQ(FlockInstanceLock::DefaultPath(), "/run/user/1000/lumo.lock");
    }
    ScopedEnv runtime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(FlockInstanceLock::DefaultPath(), "/tmp/lumo-" + std::to_string(getuid()) + ".lock");
}

}  // namespace lumora::test
