#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "wallpaper/Rotation.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

class ManualClock : public Clock {
public:
    std::int64_t NowSeconds() override { return now; }
    std::int64_t now = 1'800'000'000;
};

// Wallpaper names of the folder in readdir order, as the rotation counts them.
std::vector<std::string> RotationOrder(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        if (name != "temp.bmp" && name != "notes.txt") {
            names.push_back(folder.string() + "/" + name);
        }
    }
    return names;
}

class RotationTest : public ::testing::Test {
protected:
    RotationTest() : m_collection(m_dir.Path().string()), m_config((m_dir / "conf.ini").string()) {}

    Rotation Make() {
        return Rotation(
            m_config, m_collection, [this](const std::string& path) { m_applied.push_back(path); },
            m_clock);
    }

    TempDir m_dir;
    std::string m_collection;
    Config m_config;
    std::vector<std::string> m_applied;
    ManualClock m_clock;
};

TEST_F(RotationTest, CyclesThroughTheFolderInDirectoryOrder) {
    fs::create_directory(m_dir / "imgs");
    for (const char* name : {"a.jpg", "temp.bmp", "b_LMSC.png", "notes.txt", "c.gif"}) {
        WriteFile(m_dir / "imgs" / name, "x");
    }
    const std::vector<std::string> order = RotationOrder(m_dir / "imgs");
    ASSERT_EQ(order.size(), 3u);
    Rotation rotation = Make();
    std::vector<int> positions;
    for (int tick = 0; tick < 4; ++tick) {
        rotation.Tick();
        positions.push_back(m_config.ReadInt("LCLINDEX", -1));
    }
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(m_applied, (std::vector<std::string>{order[0], order[1], order[2], order[0]}));
}

TEST_F(RotationTest, OutOfRangeMissingAndEmpty) {
    fs::create_directory(m_dir / "imgs");
    WriteFile(m_dir / "imgs" / "a.jpg", "x");
    WriteFile(m_dir / "imgs" / "b.jpg", "x");
    m_config.WriteInt("LCLINDEX", 7);
    Rotation rotation = Make();
    rotation.RotateWallpaper();  // nothing at position 7; (7 + 1) % 2 = 0
    EXPECT_TRUE(m_applied.empty());
    EXPECT_EQ(m_config.ReadInt("LCLINDEX", -1), 0);
    rotation.RotateWallpaper();
    EXPECT_EQ(m_applied.size(), 1u);

    // No pictures: the position is written again unchanged.
    fs::remove(m_dir / "imgs" / "a.jpg");
    fs::remove(m_dir / "imgs" / "b.jpg");
    m_config.WriteInt("LCLINDEX", 5);
    rotation.RotateWallpaper();
    EXPECT_EQ(m_config.ReadInt("LCLINDEX", -1), 1);

    // A missing collection directory: nothing applied, nothing written.
    m_config.WriteInt("LCLINDEX", 9);
    m_collection = (m_dir / "gone").string();
    rotation.RotateWallpaper();
    EXPECT_EQ(m_config.ReadInt("LCLINDEX", -1), 9);
    EXPECT_EQ(m_applied.size(), 1u);
}

TEST_F(RotationTest, ToggleAndTicksFollowTheFlag) {
    fs::create_directory(m_dir / "imgs");
    WriteFile(m_dir / "imgs" / "a.jpg", "x");
    m_config.WriteInt("AUTO", 2);
    Rotation rotation = Make();
    EXPECT_EQ(rotation.Flag(), 2);
    EXPECT_EQ(rotation.IntervalIndex(), 1);  // AUTOTIME's default
    rotation.Tick();
    EXPECT_EQ(m_applied.size(), 1u);
    EXPECT_EQ(rotation.Toggle(), 1);  // from 2 the first press keeps rotation on
    EXPECT_EQ(m_config.ReadInt("AUTO", -1), 1);
    EXPECT_EQ(rotation.Toggle(), 0);
    EXPECT_EQ(m_config.ReadInt("AUTO", -1), 0);
    rotation.Tick();
    EXPECT_EQ(m_applied.size(), 1u);
    EXPECT_EQ(m_config.ReadInt("LCLINDEX", -1), 0);  // a single picture stays at 0
}

TEST_F(RotationTest, FirstTickComesWhenTheLastChangeIsAnIntervalOld) {
    const std::int64_t now = m_clock.now;
    struct Case {
        const char* autotime;
        std::string lastChange;  // empty: no record
        int delayMs;
    };
    const Case cases[] = {
        {"6", std::to_string(now - 20 * 3600), 4 * 3600 * 1000},
        {"6", std::to_string(now - 3 * 86400), 0},
        {"6", std::to_string(now - 86400), 0},  // due this very moment
        {"6", std::to_string(now), 86400000},
        {"0", std::to_string(now - 60), 120000},
        {"9", std::to_string(now - 30), 30000},       // outside the table: every minute
        {"6", std::to_string(now + 3600), 86400000},  // ahead of the clock
        {"6", "-5", 0},
        {"6", "", 86400000},
        {"6", "yesterday", 86400000},
        {"6", "12x", 86400000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.autotime) + " " + c.lastChange);
        m_config.Write("AUTOTIME", c.autotime);
        m_config.Write("LASTCHANGE", c.lastChange);
        EXPECT_EQ(Make().FirstTickDelayMs(), c.delayMs);
    }
    // Without a usable record the start itself goes on record.
    m_config.Write("LASTCHANGE", "");
    Make().FirstTickDelayMs();
    EXPECT_EQ(m_config.ReadString("LASTCHANGE", ""), std::to_string(now));
}

TEST_F(RotationTest, EveryStepThatRanPutsItsTimeOnRecord) {
    Rotation rotation = Make();
    rotation.RotateWallpaper();  // no imgs folder: nothing applied, the step still ran
    EXPECT_EQ(m_config.ReadString("LASTCHANGE", ""), std::to_string(m_clock.now));
    // A collection directory that is gone: the tick does nothing at all.
    m_collection = (m_dir / "gone").string();
    m_clock.now += 100;
    rotation.RotateWallpaper();
    EXPECT_EQ(m_config.ReadString("LASTCHANGE", ""), std::to_string(m_clock.now - 100));
}

TEST(RotationIntervalTest, PeriodsAndCaptions) {
    struct Case {
        int index;
        int periodMs;
        const char* caption;
    };
    const Case cases[] = {
        {0, 180000, "每三分钟"},    {1, 300000, "每五分钟"},    {2, 600000, "每十分钟"},
        {3, 1200000, "每二十分钟"}, {4, 1800000, "每三十分钟"}, {5, 3600000, "每小时"},
        {6, 86400000, "每天"},      {7, 60000, nullptr},        {9, 60000, nullptr},
        {-1, 60000, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        RotationInterval interval = Rotation::IntervalFor(c.index);
        EXPECT_EQ(interval.periodMs, c.periodMs);
        if (c.caption) {
            EXPECT_STREQ(interval.caption, c.caption);
        } else {
            EXPECT_EQ(interval.caption, nullptr);
        }
    }
}

}  // namespace
}  // namespace lumora::test
