#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "app/AdLink.h"
#include "app/ClmApp.h"
#include "app/ProcessStrings.h"
#include "app/ServiceClient.h"
#include "app/VersionCheck.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingShell.h"
#include "platform/linux/FlockInstanceLock.h"
#include "support/HostileServer.h"
#include "support/PictureFiles.h"
#include "support/TempDir.h"
#include "wallpaper/WallpaperFolder.h"

namespace lumora::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::seconds;

// Every misbehaviour of the server; each would keep a request open without end, or hand over
// something that is not what was asked for.
const char* const kHostilePaths[] = {"/drip", "/endless-headers", "/endless", "/cut", "/no-content",
                                     "/html", "/to-file"};

TEST(RequestBoundsTest, ServiceRequestsEndByTheirDeadline) {
    HostileServer server;
    server.SetPicture(std::string(600, 'v'));
    struct Case {
        const char* path;
        std::string reply;
    };
    const Case cases[] = {
        // Cut off by the deadline: what had arrived is no answer.
        {"/drip", ""},
        {"/endless-headers", ""},
        {"/endless", ""},
        // Broken off by the server: what arrived is the reply.
        {"/cut", std::string(500, 'v')},
        {"/no-content", ""},
        {"/html", "<html><body>Not here any more</body></html>\n"},
        {"/to-file", ""},
    };
    ProcessStrings strings;
    ServiceClient service(SystemHttpClient(), strings);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(service.HttpGetText(server.Url(c.path), milliseconds(700)), c.reply);
    }
    // The answers that decide something: no version, and the network message for the ad.
    EXPECT_EQ(CheckVersion(service, server.Url("/drip"), "1.0", milliseconds(700)),
              VersionOutcome::NoAnswer);
    HeadlessHost host;
    AdLink ad =
        FetchAdLink(service, server.Url("/drip"), "http://site/", host, 0, milliseconds(700));
    EXPECT_EQ(ad.caption, "");
    EXPECT_EQ(ad.target, "http://site/");
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "您的网络可能没有接上，请检查网络！");
}

TEST(RequestBoundsTest, ADrippingServiceHoldsTheStartOnlyUntilTheDeadline) {
    HostileServer server;
    TempDir dir;
    WriteFile(dir / "conf.ini", "[MAIN]\nversion=1.0\nLURL=" + server.Url("/drip") + "\n");
    HeadlessHost host;
    RecordingShell shell;
    FlockInstanceLock lock((dir / "lumo.lock").string());
    ClmApp app({host, SystemHttpClient(), shell, lock}, dir.Path().string());
    app.deadlines.startup = milliseconds(700);
    bool mainWindowRan = false;
    app.runMainWindow = [&](ClmApp&) { mainWindowRan = true; };
    app.InitInstance();
    EXPECT_TRUE(mainWindowRan);
    EXPECT_TRUE(host.messageBoxes.empty()) << "a cut reply offered an update";
    EXPECT_EQ(server.Paths(), std::vector<std::string>{"/drip"});
    Strings() = ProcessStrings{};
}

class DownloadBoundsTest : public ::testing::Test {
protected:
    DownloadBoundsTest() : m_collection((m_dir / "collection").string()) {
        fs::create_directories(fs::path(m_collection) / "imgs");
        m_server.SetPicture(GifBytes(40, 30, 1));
    }

    std::string Target() const { return m_collection + "/imgs/sea.jpg"; }

    // Short limits, so a test ends in seconds; the real ones have the same form.
    static constexpr HttpLimits kShort{seconds(2), seconds(2), 1024, seconds(1)};

    TempDir m_dir;
    std::string m_collection;
    HostileServer m_server;
    WallpaperFolder m_folder{m_collection, SystemHttpClient()};
};

TEST_F(DownloadBoundsTest, HostileServersLeaveNoFile) {
    for (const char* path : kHostilePaths) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(m_folder.DownloadToFile(m_server.Url(path), Target(), nullptr, kShort));
        EXPECT_TRUE(FolderContent(fs::path(m_collection) / "imgs").empty())
            << "neither the picture nor a temporary file";
    }
    // The same server's whole picture is stored.
    EXPECT_TRUE(m_folder.DownloadToFile(m_server.Url("/picture"), Target(), nullptr, kShort));
    EXPECT_EQ(ReadFile(Target()), GifBytes(40, 30, 1));
}

TEST_F(DownloadBoundsTest, OnlyPicturesOfTheFourFormatsAreStored) {
    TempDir pictures;
    ASSERT_TRUE(WritePicture(pictures / "p.png", PatternImage(20, 10), "png"));
    ASSERT_TRUE(WritePicture(pictures / "j.jpg", PatternImage(20, 10), "jpeg"));
    ASSERT_TRUE(SaveBitmapFile(PatternImage(20, 10), (pictures / "b.bmp").string()));
    struct Case {
        const char* name;
        std::string body;
        bool stored;
    };
    const Case cases[] = {
        {"png", ReadFile(pictures / "p.png"), true},
        {"jpeg", ReadFile(pictures / "j.jpg"), true},
        {"bmp", ReadFile(pictures / "b.bmp"), true},
        {"gif", GifBytes(3, 3, 2), true},
        {"svg", "<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'/>", false},
        {"text", "1.0", false},
        {"empty", "", false},
        {"cut jpeg", ReadFile(pictures / "j.jpg").substr(0, 300), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_server.SetPicture(c.body);
        EXPECT_EQ(m_folder.FetchForWallpaper(m_server.Url("/picture"), "sea", "jpg"),
                  c.stored ? Target() : "");
        EXPECT_EQ(fs::exists(Target()), c.stored);
        fs::remove(Target());
    }
}

}  // namespace
}  // namespace lumora::test
