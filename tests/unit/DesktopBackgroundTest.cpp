#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include "platform/headless/RecordingCommandRunner.h"
#include "platform/linux/GSettingsBackground.h"
#include "platform/linux/PlasmaBackground.h"
#include "platform/linux/SessionDesktopBackground.h"
#include "platform/linux/XfceBackground.h"
#include "support/TempDir.h"

namespace lumora::test {
namespace {

using Desktop = SessionDesktopBackground::Desktop;

TEST(DesktopBackgroundTest, DesktopIsChosenByTheSessionsName) {
    struct Case {
        const char* value;
        Desktop desktop;
    };
    const Case cases[] = {
        {"GNOME", Desktop::Gnome},
        {"ubuntu:GNOME", Desktop::Gnome},
        {"GNOME-Classic:GNOME", Desktop::Gnome},
        {"Budgie:GNOME", Desktop::Gnome},
        {"X-Cinnamon", Desktop::Cinnamon},
        {"MATE", Desktop::Mate},
        {"XFCE", Desktop::Xfce},
        {"KDE", Desktop::Plasma},
        {"kde", Desktop::Plasma},
        {"LXQt", Desktop::X11Root},
        {"", Desktop::X11Root},
        {nullptr, Desktop::X11Root},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        EXPECT_EQ(SessionDesktopBackground::DesktopOf(c.value), c.desktop);
    }
}

TEST(DesktopBackgroundTest, EveryBackendRefusesUnknownLayouts) {
    RecordingCommandRunner runner;
    XfceBackground xfce(runner);
    PlasmaBackground plasma(runner);
    GSettingsBackground gnome(GSettingsBackground::kGnome);
    for (int layout : {-1, 5}) {
        EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", layout), EINVAL);
        EXPECT_EQ(plasma.SetWallpaper("/w/imgs/temp.bmp", layout), EINVAL);
        EXPECT_EQ(gnome.SetWallpaper("/w/imgs/temp.bmp", layout), EINVAL);
    }
    EXPECT_TRUE(runner.commands.empty());
}

TEST(DesktopBackgroundTest, XfceSetsEveryMonitorAndWorkspace) {
    RecordingCommandRunner runner;
    runner.answer = [](const std::vector<std::string>& argv) {
        if (argv.back() == "-l") {
            return CommandResult{true, 0,
                                 "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
                                 "/backdrop/screen0/monitorHDMI-1/workspace0/image-style\n"
                                 "/backdrop/screen0/monitorDP-2/workspace1/last-image\n"
                                 "/desktop-icons/style\n"};
        }
        return CommandResult{true, 0, ""};
    };
    XfceBackground xfce(runner);
    EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), 0);
    const std::string base = "xfconf-query -c xfce4-desktop ";
    std::vector<std::string> expected = {base + "-l"};
    for (const char* monitor : {"monitorHDMI-1/workspace0", "monitorDP-2/workspace1"}) {
        const std::string prefix = std::string("/backdrop/screen0/") + monitor;
        expected.push_back(base + "-p " + prefix + "/image-style -n -t int -s 3");
        expected.push_back(base + "-p " + prefix + "/last-image -n -t string -s ");
        expected.push_back(base + "-p " + prefix + "/last-image -n -t string -s /w/imgs/temp.bmp");
    }
    std::vector<std::string> issued;
    for (const auto& argv : runner.commands) {
        std::string line;
        for (const std::string& arg : argv) {
            line += (line.empty() ? "" : " ") + arg;
        }
        issued.push_back(line);
    }
    EXPECT_EQ(issued, expected);

    // Layout codes map to xfdesktop's styles.
    const char* styles[] = {"2", "1", "3", "4", "5"};
    for (int layout = 0; layout <= 4; ++layout) {
        runner.commands.clear();
        xfce.SetWallpaper("/w/imgs/temp.bmp", layout);
        EXPECT_EQ(runner.commands.at(1).back(), styles[layout]);
    }

    runner.answer = [](const std::vector<std::string>&) { return CommandResult{}; };
    EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), ENXIO);
    runner.answer = [](const std::vector<std::string>& argv) {
        return CommandResult{true, argv.back() == "-l" ? 0 : 1, ""};
    };
    EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), EIO);
}

TEST(DesktopBackgroundTest, PlasmaRunsADesktopScriptOverDBus) {
    RecordingCommandRunner runner;
    PlasmaBackground plasma(runner);
    EXPECT_EQ(plasma.SetWallpaper("/w/my \"pics\"/imgs/temp.bmp", kLayoutStretched), 0);
    ASSERT_EQ(runner.commands.size(), 1u);
    const std::vector<std::string>& argv = runner.commands[0];
    ASSERT_EQ(argv.size(), 8u);
    EXPECT_EQ(argv[0], "dbus-send");
    EXPECT_EQ(argv[4], "--dest=org.kde.plasmashell");
    EXPECT_EQ(argv[5], "/PlasmaShell");
    EXPECT_EQ(argv[6], "org.kde.PlasmaShell.evaluateScript");
    EXPECT_EQ(argv[7],
              "string:" + PlasmaBackground::Script("file:///w/my%20%22pics%22/imgs/temp.bmp", 2));
    EXPECT_NE(argv[7].find("d.writeConfig(\"FillMode\", 0);"), std::string::npos);
    EXPECT_NE(argv[7].find("\"file:///w/my%20%22pics%22/imgs/temp.bmp\""), std::string::npos);
    EXPECT_NE(PlasmaBackground::Script("file:///x", 4).find("\"FillMode\", 2"), std::string::npos);
    EXPECT_NE(PlasmaBackground::Script("file:///x", 0).find("\"FillMode\", 3"), std::string::npos);

    runner.answer = [](const std::vector<std::string>&) { return CommandResult{true, 1, ""}; };
    EXPECT_EQ(plasma.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), EIO);
    runner.answer = [](const std::vector<std::string>&) { return CommandResult{}; };
    EXPECT_EQ(plasma.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), ENXIO);
}

// GIO picks its settings backend once per process; ctest runs each test in a process of
// its own, so this one can choose the keyfile backend in a folder of its own.
TEST(DesktopBackgroundTest, GnomeKeysHoldTheFileUriAndTheLayout) {
    TempDir home;
    setenv("GSETTINGS_BACKEND", "keyfile", 1);
    setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
    GSettingsBackground gnome(GSettingsBackground::kGnome);
    ASSERT_EQ(gnome.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), 0);
    const std::string keyfile = ReadFile(home / "glib-2.0" / "settings" / "keyfile");
    EXPECT_NE(keyfile.find("[org/gnome/desktop/background]"), std::string::npos) << keyfile;
    EXPECT_NE(keyfile.find("picture-uri='file:///w/imgs/temp.bmp'"), std::string::npos) << keyfile;
    EXPECT_NE(keyfile.find("picture-uri-dark='file:///w/imgs/temp.bmp'"), std::string::npos);
    EXPECT_NE(keyfile.find("picture-options='stretched'"), std::string::npos);
    // The same path again still ends on it; a fitted layout writes "scaled".
    ASSERT_EQ(gnome.SetWallpaper("/w/imgs/temp.bmp", kLayoutFitted), 0);
    const std::string again = ReadFile(home / "glib-2.0" / "settings" / "keyfile");
    EXPECT_NE(again.find("picture-uri='file:///w/imgs/temp.bmp'"), std::string::npos) << again;
    EXPECT_NE(again.find("picture-options='scaled'"), std::string::npos);
    // A desktop whose schema is not installed is not reachable.
    GSettingsBackground missing(
        GSettingsKeys{"org.example.absent", "picture-uri", nullptr, true, "picture-options"});
    EXPECT_EQ(missing.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), ENXIO);
}

}  // namespace
}  // namespace lumora::test
