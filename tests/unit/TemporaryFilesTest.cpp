#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <set>

#include "app/ClmApp.h"
#include "app/Config.h"
#include "app/ProcessStrings.h"
#include "platform/AtomicFile.h"
#include "platform/TemporaryFiles.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingShell.h"
#include "platform/linux/FlockInstanceLock.h"
#include "platform/linux/FreedesktopThumbnailer.h"
#include "support/HostileServer.h"
#include "support/LoopbackServer.h"
#include "support/TempDir.h"
#include "wallpaper/WallpaperFolder.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;

int CountStartingWith(const fs::path& folder, const std::string& prefix) {
    int count = 0;
    for (const std::string& name : FolderContent(folder)) count += name.starts_with(prefix);
    return count;
}

void KillAndWait(pid_t child) {
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
}

// A process that holds a temporary file made from `pattern` until it is killed; answers its
// id, with the file's name in `name`.
pid_t HoldTemporaryFile(const std::string& pattern, std::string& name) {
    int report[2];
    if (pipe(report) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        std::string path = pattern;
        const int fd = CreateHeldTemporaryFile(path);
        path += '\n';
        if (fd < 0 || write(report[1], path.data(), path.size()) < 0) _exit(1);
        for (;;) pause();
    }
    close(report[1]);
    char buffer[4096];
    const ssize_t got = read(report[0], buffer, sizeof buffer);
    close(report[0]);
    name = got > 0 ? std::string(buffer, static_cast<size_t>(got) - 1) : std::string();
    return child;
}

TEST(TemporaryFilesTest, OnlyFilesNobodyHoldsAreRemoved) {
    TempDir dir;
    for (const char* name : {"conf.ini", "conf.ini.ab12CD", "conf.ini.bak", "conf.ini.abcdefg",
                             "xconf.ini.ab12CD", "conf.ini.ab-12C"}) {
        WriteFile(dir / name, "x");
    }
    std::string held;
    const pid_t holder = HoldTemporaryFile((dir / "conf.ini.XXXXXX").string(), held);
    ASSERT_GT(holder, 0);
    ASSERT_TRUE(fs::exists(held));

    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.Path().string(), "conf.ini."), 1);
    EXPECT_FALSE(fs::exists(dir / "conf.ini.ab12CD"));
    EXPECT_TRUE(fs::exists(held)) << "its writer still runs";
    KillAndWait(holder);
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.Path().string(), "conf.ini."), 1);
    EXPECT_EQ(FolderContent(dir.Path()),
              (std::set<std::string>{"conf.ini", "conf.ini.bak", "conf.ini.abcdefg",
                                     "xconf.ini.ab12CD", "conf.ini.ab-12C"}));
}

// A file reached through a link is replaced beside the link's target, so what a killed
// replacement left is looked for there.
TEST(TemporaryFilesTest, StaleReplacementsOfALinkedFileAreFoundBesideItsTarget) {
    TempDir dir;
    fs::create_directory(dir / "real");
    WriteFile(dir / "real/settings.ini", "x");
    WriteFile(dir / "real/settings.ini.ab12CD", "x");
    fs::create_symlink(dir / "real/settings.ini", dir / "conf.ini");
    RemoveStaleReplacements((dir / "conf.ini").string());
    EXPECT_EQ(FolderContent(dir / "real"), std::set<std::string>{"settings.ini"});
    EXPECT_TRUE(fs::is_symlink(dir / "conf.ini"));
}

// The settings are written by a process that is killed at random moments; then the program
// starts.
TEST(TemporaryFilesTest, AStartAfterKilledSettingsWritesLeavesNoTemporaryFile) {
    constexpr int kRounds = 200;
    TempDir dir;
    std::string refused;
    {
        LoopbackServer closed;
        refused = closed.Url("/lm.php");
    }
    const std::string path = (dir / "conf.ini").string();
    WriteFile(path, "[MAIN]\nversion=1.0\nLURL=" + refused + "\n");
    std::mt19937 random(14);
    int leftBehind = 0;
    for (int round = 0; round < kRounds; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Config config(path);
            for (int i = 0;; ++i) config.WriteInt("N", i);
        }
        usleep(std::uniform_int_distribution<useconds_t>(200, 3000)(random));
        KillAndWait(child);
        leftBehind = std::max(leftBehind, CountStartingWith(dir.Path(), "conf.ini."));
    }
    ASSERT_EQ(Config(path).ReadString("LURL", ""), refused);
    ASSERT_GE(Config(path).ReadInt("N", -1), 0);

    HeadlessHost host;
    RecordingShell shell;
    FlockInstanceLock lock((dir / "lumo.lock").string());
    ClmApp app({host, SystemHttpClient(), shell, lock}, dir.Path().string());
    app.InitInstance();
    Strings() = ProcessStrings{};
    EXPECT_EQ(CountStartingWith(dir.Path(), "conf.ini."), 0)
        << "at most " << leftBehind << " were left at once";
}

TEST(TemporaryFilesTest, AKilledDownloadLeavesNothingOnceCleanedUp) {
    TempDir dir;
    const std::string collection = (dir / "c").string();
    const fs::path imgs = fs::path(collection) / "imgs";
    fs::create_directories(imgs);
    HostileServer server;
    WallpaperFolder folder(collection, SystemHttpClient());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        folder.DownloadToFile(server.Url("/drip"), (imgs / "sea.jpg").string());
        _exit(0);
    }
    for (int polls = 0; polls < 5000 && CountStartingWith(imgs, ".lumo-download-") == 0; ++polls) {
        usleep(1000);
    }
    ASSERT_EQ(CountStartingWith(imgs, ".lumo-download-"), 1);
    // A conversion file's replacement left by an earlier crash goes too.
    WriteFile(imgs / "temp.bmp.Q1w2E3", "half a bitmap");
    folder.RemoveStaleTemporaries();
    EXPECT_EQ(FolderContent(imgs).size(), 1u) << "the running download stays";
    KillAndWait(child);
    folder.RemoveStaleTemporaries();
    EXPECT_TRUE(FolderContent(imgs).empty());
}

TEST(TemporaryFilesTest, TheThumbnailerRemovesItsOwnLeftoversOnly) {
    TempDir dir;
    const fs::path large = dir / "thumbnails" / "large";
    const fs::path fail = dir / "thumbnails" / "fail" / "lumo-1.0";
    fs::create_directories(large);
    fs::create_directories(fail);
    WriteFile(large / ".lumo-thumb-a1B2c3", "cut");
    WriteFile(fail / ".lumo-thumb-a1B2c3", "cut");
    // Another program's temporary file, and a thumbnail.
    WriteFile(large / "0123456789abcdef0123456789abcdef.png.a1B2c3", "theirs");
    WriteFile(large / "0123456789abcdef0123456789abcdef.png", "thumbnail");
    FreedesktopThumbnailer thumbnailer((dir / "thumbnails").string());
    EXPECT_EQ(FolderContent(large),
              (std::set<std::string>{"0123456789abcdef0123456789abcdef.png.a1B2c3",
                                     "0123456789abcdef0123456789abcdef.png"}));
    EXPECT_TRUE(FolderContent(fail).empty());
}

}  // namespace
}  // namespace lumora::test
