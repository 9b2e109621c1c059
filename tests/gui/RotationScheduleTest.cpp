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
        std::filesystem::create_directories(Imgs());
        for (const char* name : {"a.png", "b.png"})
            test::WritePicture(Imgs() / name, test::PatternImage(8, 6), "png");
        WriteConfig("AUTO=1\nAUTOTIME=6\n");
    }

    // Ends the program and lets the wall clock run on while it is not running.
    void EndFor(unsigned ms) {
        dlg.reset();
        clock.epoch += ms / 1000;
    }
    // The wallpaper changes in the background: what the ticks so far started is let finish.
    std::size_t Changes() {
        host.FinishBackgroundWork();
        return host.desktop.calls.size();
    }
    // True when the next change comes exactly `ms` from now: not a millisecond earlier.
    bool NextChangeAfter(unsigned ms) {
        const std::size_t before = Changes();
        if (ms > 1) host.Advance(ms - 1);
        if (Changes() != before) return false;
        host.Advance(1);
        return Changes() == before + 1;
    }
    std::string LastChange() const { return Conf().ReadString(kKeyLastChange, ""); }
};

TEST_F(RotationScheduleTest, ADailyChangeKeepsItsRhythmAcrossARestart) {
    Open();
    // The tick hands the change to a worker; the window goes on meanwhile.
    const std::size_t jobs = host.PendingBackgroundJobs();  // the gallery's card pictures
    host.Advance(24 * kHour);
    EXPECT_EQ(host.PendingBackgroundJobs(), jobs + 1);
    EXPECT_TRUE(host.desktop.calls.empty());
    ASSERT_EQ(Changes(), 1u);
    EXPECT_EQ(LastChange(), std::to_string(clock.NowSeconds()));

    // Ended after 20 hours: the next change comes 4 hours after the new start, then daily.
    host.Advance(20 * kHour);
    EndFor(0);
    Open();
    EXPECT_TRUE(NextChangeAfter(4 * kHour));
    EXPECT_TRUE(NextChangeAfter(24 * kHour));
}

TEST_F(RotationScheduleTest, AChangeOverdueAtStartComesAtOnce) {
    Open();
    host.Advance(24 * kHour);
    ASSERT_EQ(Changes(), 1u);
    EndFor(3 * 24 * kHour);
    Open();
    EXPECT_TRUE(NextChangeAfter(1));
    // From there the full interval.
    EXPECT_TRUE(NextChangeAfter(24 * kHour));
}

TEST_F(RotationScheduleTest, WithoutARecordTheStartBeginsTheRhythm) {
    // A program that never runs a whole day still changes the wallpaper at a later start.
    Open();
    EXPECT_EQ(LastChange(), std::to_string(clock.NowSeconds()));
    host.Advance(10 * kHour);
    EndFor(14 * kHour);
    Open();
    EXPECT_TRUE(NextChangeAfter(1));
}

TEST_F(RotationScheduleTest, ARecordAheadOfTheClockOrAPickWaitsAWholeInterval) {
    // The clock was set back: the record cannot be trusted, so a whole interval is waited.
    WriteConfig("AUTO=1\nAUTOTIME=6\nLASTCHANGE=" + std::to_string(clock.NowSeconds() + 3600) +
                "\n");
    Open();
    EXPECT_TRUE(NextChangeAfter(24 * kHour));

    // A pick during the catch-up restarts the countdown with the picked period.
    EndFor(23 * kHour);
    Open();
    dlg->PostMessage(WM_INTERVAL_PICKED, 0, 0);
    EXPECT_TRUE(NextChangeAfter(180000));
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
