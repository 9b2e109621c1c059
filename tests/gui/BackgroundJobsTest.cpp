#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/HeadlessHostFixture.h"
#include "wnd/BackgroundJobs.h"

namespace lumora {
namespace {

using BackgroundJobsTest = HeadlessHostFixture;

TEST_F(BackgroundJobsTest, ResultsComeBackOnTheLoopInTheOrderTheJobsEnded) {
    BackgroundJobs jobs;
    std::vector<std::string> seen;
    jobs.Run([](BackgroundJobs::Token) { return std::string("first"); },
             [&](std::string r) { seen.push_back(r); });
    jobs.Run([](BackgroundJobs::Token) { return std::string("second"); },
             [&](std::string r) { seen.push_back(r); });

    host.RunUntilIdle();
    EXPECT_TRUE(seen.empty()) << "nothing arrives before the work has run";
    EXPECT_EQ(host.PendingBackgroundJobs(), 2u);

    ASSERT_TRUE(host.RunOneBackgroundJob());
    EXPECT_TRUE(seen.empty()) << "a completion waits for the loop";
    host.RunUntilIdle();
    EXPECT_EQ(seen, std::vector<std::string>{"first"});

    host.FinishBackgroundWork();
    EXPECT_EQ(seen, (std::vector<std::string>{"first", "second"}));
}

TEST_F(BackgroundJobsTest, RevokedOrDestroyedOwnersReceiveNothingAndTheWorkSeesIt) {
    int delivered = 0;
    bool sawCancelled = false;
    {
        BackgroundJobs jobs;
        jobs.Run(
            [&](BackgroundJobs::Token t) {
                sawCancelled = t.Cancelled();
                return 1;
            },
            [&](int) { ++delivered; });
        jobs.Revoke();
        jobs.Run([](BackgroundJobs::Token) { return 2; }, [&](int v) { delivered += v; });
        host.FinishBackgroundWork();
        EXPECT_TRUE(sawCancelled);
        EXPECT_EQ(delivered, 2) << "only the job started after Revoke delivers";

        jobs.Run([](BackgroundJobs::Token) { return 5; }, [&](int v) { delivered += v; });
        ASSERT_TRUE(host.RunOneBackgroundJob());
    }
    host.RunUntilIdle();
    EXPECT_EQ(delivered, 2) << "the owner went away before its completion ran";
}

TEST_F(BackgroundJobsTest, RealWorkerThreadsHandResultsToTheLoopThread) {
    host.UseWorkerThreads(2);
    BackgroundJobs jobs;
    const auto loopThread = std::this_thread::get_id();
    int sum = 0;
    bool offLoop = true;
    for (int i = 1; i <= 10; ++i) {
        jobs.Run(
            [&, i](BackgroundJobs::Token) {
                if (std::this_thread::get_id() == loopThread) offLoop = false;
                return i;
            },
            [&](int v) {
                EXPECT_EQ(std::this_thread::get_id(), loopThread);
                sum += v;
            });
    }
    host.FinishBackgroundWork();
    EXPECT_EQ(sum, 55);
    EXPECT_TRUE(offLoop);
}

}  // namespace
}  // namespace lumora
