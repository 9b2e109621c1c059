#include "ClmDlgTestFrame.h"
#include "app/ConfigKeys.h"
#include "support/PictureFiles.h"

namespace lumora {
namespace {

constexpr unsigned kHour = 3600 * 1000;

// Rotation every day over a folder of two pictures; the program runs, ends and starts again
// while the wall clock goes on.
class RotationScheduleTest : public ClmDlgTest {
protected:
    RotationScheduleTest() {
        std::filesystem::create_directories(dir / "imgs");
        for (const char* name : {"a.png", "b.png"})
            test::WritePicture(dir / "imgs" / name, test::PatternImage(8, 6), "png");
        WriteConfig("AUTO=1\nAUTOTIME=6\n");
    }

    // Ends the program and lets the wall clock run on while it is not running.
    void EndFor(unsigned ms) {
        dlg.reset();
        clock.epoch += ms / 1000;
    }
    std::size_t Changes() const { return desktop.calls.size(); }
    std::string LastChange() const {
        return Config((dir / "conf.ini").string()).ReadString(kKeyLastChange, "");
    }
};

TEST_F(RotationScheduleTest, ADailyChangeKeepsItsRhythmAcrossARestart) {
    Open();
    host.Advance(24 * kHour - 1);
    EXPECT_EQ(Changes(), 0u);
    host.Advance(1);
    ASSERT_EQ(Changes(), 1u);
    EXPECT_EQ(LastChange(), std::to_string(clock.NowSeconds()));

    // Ended after 20 hours: the next change comes 4 hours after the new start, then daily.
    host.Advance(20 * kHour);
    EndFor(0);
    Open();
    host.Advance(4 * kHour - 1);
    EXPECT_EQ(Changes(), 1u);
    host.Advance(1);
    EXPECT_EQ(Changes(), 2u);
    host.Advance(24 * kHour - 1);
    EXPECT_EQ(Changes(), 2u);
    host.Advance(1);
    EXPECT_EQ(Changes(), 3u);
}

TEST_F(RotationScheduleTest, AChangeOverdueAtStartComesAtOnce) {
    Open();
    host.Advance(24 * kHour);
    ASSERT_EQ(Changes(), 1u);
    EndFor(3 * 24 * kHour);
    Open();
    host.Advance(1);
    EXPECT_EQ(Changes(), 2u);
    // From there the full interval.
    host.Advance(24 * kHour - 1);
    EXPECT_EQ(Changes(), 2u);
    host.Advance(1);
    EXPECT_EQ(Changes(), 3u);
}

TEST_F(RotationScheduleTest, WithoutARecordTheStartBeginsTheRhythm) {
    // A program that never runs a whole day still changes the wallpaper at a later start.
    Open();
    EXPECT_EQ(LastChange(), std::to_string(clock.NowSeconds()));
    host.Advance(10 * kHour);
    EndFor(14 * kHour);
    Open();
    host.Advance(1);
    EXPECT_EQ(Changes(), 1u);
}

TEST_F(RotationScheduleTest, ARecordAheadOfTheClockOrAPickWaitsAWholeInterval) {
    // The clock was set back: the record cannot be trusted, so a whole interval is waited.
    WriteConfig("AUTO=1\nAUTOTIME=6\nLASTCHANGE=" + std::to_string(clock.NowSeconds() + 3600) +
                "\n");
    Open();
    host.Advance(24 * kHour - 1);
    EXPECT_EQ(Changes(), 0u);
    host.Advance(1);
    EXPECT_EQ(Changes(), 1u);

    // A pick during the catch-up restarts the countdown with the picked period.
    EndFor(23 * kHour);
    Open();
    dlg->PostMessage(WM_INTERVAL_PICKED, 0, 0);
    host.Advance(180000 - 1);
    EXPECT_EQ(Changes(), 1u);
    host.Advance(1);
    EXPECT_EQ(Changes(), 2u);
}

TEST_F(RotationScheduleTest, OnlyTheRecordIsAddedToTheSettings) {
    WriteConfig("AUTO=1\nAUTOTIME=6\nLASTCHANGE=junk\n");
    const std::string before = test::ReadFile(dir / "conf.ini");
    Open();
    host.Advance(24 * kHour);
    ASSERT_EQ(Changes(), 1u);
    std::string expected = before;
    expected.replace(expected.find("LASTCHANGE=junk"), 15,
                     "LASTCHANGE=" + std::to_string(clock.NowSeconds()));
    expected += "LCLINDEX=1\n";
    EXPECT_EQ(test::ReadFile(dir / "conf.ini"), expected);
}

}  // namespace
}  // namespace lumora
