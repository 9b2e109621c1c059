#include <gtest/gtest.h>

#include <chrono>

#include "platform/linux/SpawnCommandRunner.h"

namespace lumora::test {
namespace {

using namespace std::chrono_literals;

TEST(SpawnCommandRunnerTest, OutputExitCodeMissingProgramAndTimeOut) {
    SpawnCommandRunner runner(500ms);
    const CommandResult echo = runner.Run({"sh", "-c", "printf 'a b\\n'; echo err >&2; exit 3"});
    EXPECT_TRUE(echo.started);
    EXPECT_EQ(echo.exitCode, 3);
    EXPECT_EQ(echo.output, "a b\n");
    EXPECT_FALSE(runner.Run({"lumora-no-such-program"}).started);

    // A program that stays, even one that closed its output, is ended at the time-out.
    for (const char* script : {"sleep 30", "exec >&-; sleep 30"}) {
        const auto start = std::chrono::steady_clock::now();
        const CommandResult stays = runner.Run({"sh", "-c", script});
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << script;
        EXPECT_TRUE(stays.started);
        EXPECT_FALSE(stays.Succeeded()) << script;
    }
}

}  // namespace
}  // namespace lumora::test
