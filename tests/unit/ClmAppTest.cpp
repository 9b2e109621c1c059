#include <gtest/gtest.h>

#include <string>

#include "app/ClmApp.h"
#include "app/ProcessStrings.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingShell.h"
#include "platform/linux/FlockInstanceLock.h"
#include "support/LoopbackServer.h"
#include "support/TempDir.h"

namespace lumora::test {

namespace {

constexpr const char* kServicePath = "/kavri/lm/lm.php";

// An installation in a temporary folder whose conf.ini points at a loopback service.
class ClmAppTest : public ::testing::Test {
protected:
    ClmAppTest() : lock((dir / "lumo.lock").string()) { UseService(server.Url(kServicePath)); }
    ~ClmAppTest() override { Strings() = ProcessStrings{}; }

    void UseService(const std::string& url) {
        WriteFile(dir / "conf.ini", "[MAIN]\nversion=1.0\nLURL=" + url + "\n");
    }

    // Runs start-up; true when it went on to the main window.
    bool Start() {
        ClmApp app(Ports(), dir.Path().string());
        bool mainWindowRan = false;
        app.runMainWindow = [&](ClmApp&) { mainWindowRan = true; };
        EXPECT_FALSE(app.InitInstance());
        return mainWindowRan;
    }

    AppPorts Ports() { return {host, SystemHttpClient(), shell, lock}; }
    std::string Updater() const { return (dir / "LumoUpdate").string(); }

    TempDir dir;
    LoopbackServer server;
    HeadlessHost host;
    RecordingShell shell;
    FlockInstanceLock lock;
};

}  // namespace

TEST_F(ClmAppTest, SecondInstanceTellsAndEnds) {
    FlockInstanceLock running((dir / "lumo.lock").string());
    ASSERT_EQ(running.Acquire(), LockOutcome::Acquired);
    EXPECT_FALSE(Start());
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].owner, 0u);
    EXPECT_EQ(host.messageBoxes[0].text, "Lumora已经运行！");
    EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
    EXPECT_EQ(host.messageBoxes[0].style, (MessageBoxStyle{BoxButtons::Ok, BoxIcon::Warning}));
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(ClmAppTest, StartUpVersionOutcomes) {
    struct Case {
        const char* name;
        std::string reply;
        int status;
        int answer;  // 0: no prompt expected
        bool updater;
        bool mainWindow;
    };
    const Case cases[] = {
        {"same version", " 1.0\r\n", 200, 0, false, true},
        {"older version, Yes", "0.9", 200, IDYES, true, false},
        {"other version, No", "1.0 beta", 200, IDNO, false, true},
        {"error page", "2.0", 404, 0, false, true},
        {"empty reply", "", 200, 0, false, true},
    };
    for (const Case& c : cases) {
        host.messageBoxes.clear();
        shell.startedPrograms.clear();
        server.Reply(kServicePath, c.reply, c.status);
        if (c.answer) {
            host.ScriptMessageBox(c.answer);
        }
        // A start type left over from before must not put a usage report on this request.
        Strings().startType = "runstart";
        EXPECT_EQ(Start(), c.mainWindow) << c.name;
        EXPECT_EQ(server.Requests().back().target, std::string(kServicePath) + "?op=getversion")
            << c.name;
        if (c.answer) {
            ASSERT_EQ(host.messageBoxes.size(), 1u) << c.name;
            EXPECT_EQ(host.messageBoxes[0].text, "Lumora有新版，是否更新?");
            EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
            EXPECT_EQ(host.messageBoxes[0].style,
                      (MessageBoxStyle{BoxButtons::YesNo, BoxIcon::Question}));
        } else {
            EXPECT_TRUE(host.messageBoxes.empty()) << c.name;
        }
        EXPECT_EQ(shell.startedPrograms,
                  c.updater ? std::vector<std::string>{Updater()} : std::vector<std::string>{})
            << c.name;
    }
}

TEST_F(ClmAppTest, UnreachableServiceOrLockStartsQuietly) {
    {
        LoopbackServer closed;
        UseService(closed.Url(kServicePath));
    }
    FlockInstanceLock unusable((dir / "absent" / "lumo.lock").string());
    ClmApp app({host, SystemHttpClient(), shell, unusable}, dir.Path().string());
    bool mainWindowRan = false;
    app.runMainWindow = [&](ClmApp&) { mainWindowRan = true; };
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(mainWindowRan);
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(ClmAppTest, InteractiveCheck) {
    struct Case {
        const char* name;
        std::string reply;
        int status;
        int answer;  // 0: "up to date" expected
        bool exits;
    };
    const Case cases[] = {
        {"same version", "1.0", 200, 0, false},
        {"no answer", "1.0", 500, 0, false},
        {"new version, Yes", "1.1", 200, IDYES, true},
        {"new version, No", "1.1", 200, IDNO, false},
    };
    ClmApp app(Ports(), dir.Path().string());
    Strings().clientId = "4711";
    Strings().adapterAddress = "00-1A-2B-3C-4D-5E ";
    Strings().startType = "autostart";
    const SurfaceId mainWindow = 77;
    for (const Case& c : cases) {
        host.messageBoxes.clear();
        shell.startedPrograms.clear();
        server.Reply(kServicePath, c.reply, c.status);
        if (c.answer) {
            host.ScriptMessageBox(c.answer);
        }
        bool exited = false;
        app.CheckForUpdate(mainWindow, server.Url(kServicePath), [&] { exited = true; });
        EXPECT_EQ(server.Requests().back().target,
                  std::string(kServicePath) +
                      "?op=getversion&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=autostart&version=");
        ASSERT_EQ(host.messageBoxes.size(), 1u) << c.name;
        if (c.answer) {
            EXPECT_EQ(host.messageBoxes[0].text, "Lumora有新版，是否更新?");
            EXPECT_EQ(host.messageBoxes[0].style,
                      (MessageBoxStyle{BoxButtons::YesNo, BoxIcon::Question}));
        } else {
            EXPECT_EQ(host.messageBoxes[0].text, "目前已经是最新版本！");
            EXPECT_EQ(host.messageBoxes[0].owner, mainWindow);
            EXPECT_EQ(host.messageBoxes[0].style, MessageBoxStyle{});
        }
        EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
        EXPECT_EQ(exited, c.exits) << c.name;
        EXPECT_EQ(shell.startedPrograms.size(), c.exits ? 1u : 0u) << c.name;
    }

    // The installed version is read afresh at every check.
    host.messageBoxes.clear();
    server.Reply(kServicePath, "1.1");
    WriteFile(dir / "conf.ini", "[MAIN]\nversion=1.1\n");
    app.CheckForUpdate(mainWindow, server.Url(kServicePath), [] {});
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "目前已经是最新版本！");
}

TEST_F(ClmAppTest, ApplicationBoxKeepsGivenIcon) {
    ClmApp app(Ports(), dir.Path().string());
    app.DoMessageBox("x", {BoxButtons::OkCancel});
    app.DoMessageBox("y", {BoxButtons::Ok, BoxIcon::Information});
    ASSERT_EQ(host.messageBoxes.size(), 2u);
    EXPECT_EQ(host.messageBoxes[0].style,
              (MessageBoxStyle{BoxButtons::OkCancel, BoxIcon::Warning}));
    EXPECT_EQ(host.messageBoxes[1].style, (MessageBoxStyle{BoxButtons::Ok, BoxIcon::Information}));
}

}  // namespace lumora::test
