#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

#include "platform/headless/RecordingCommandRunner.h"
#include "platform/linux/GSettingsBackground.h"
#include "platform/linux/PcmanfmBackground.h"
#include "platform/linux/PlasmaBackground.h"
#include "platform/linux/SessionDesktopBackground.h"
#include "platform/linux/SwayBackground.h"
#include "platform/linux/SwaybgBackground.h"
#include "platform/linux/XfceBackground.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace lumora::test {
namespace {

using Desktop = SessionDesktopBackground::Desktop;

TEST(DesktopBackgroundTest, DesktopIsChosenByTheSessionsName) {
    struct Case {
        const char* value;
        Desktop desktop;
        const char* swaySocket = nullptr;
        const char* waylandDisplay = nullptr;
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
        {"Unity:Unity7:ubuntu", Desktop::Gnome},
        {"LXQt", Desktop::Lxqt},
        {"LXDE", Desktop::Lxde},
        {"sway", Desktop::Sway},
        {"", Desktop::X11Root},
        {nullptr, Desktop::X11Root},
        {"Openbox", Desktop::X11Root},
        // Named by no desktop we know: the compositor that runs decides.
        {"", Desktop::Sway, "/run/user/1000/sway-ipc.sock", "wayland-1"},
        {nullptr, Desktop::Wlroots, "", "wayland-0"},
        {"Hyprland", Desktop::Wlroots, nullptr, "wayland-1"},
        {"XFCE", Desktop::Xfce, nullptr, "wayland-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        EXPECT_EQ(SessionDesktopBackground::DesktopOf(c.value, c.swaySocket, c.waylandDisplay),
                  c.desktop);
    }
}

TEST(DesktopBackgroundTest, EveryBackendRefusesUnknownLayouts) {
    RecordingCommandRunner runner;
    XfceBackground xfce(runner);
    PlasmaBackground plasma(runner);
    GSettingsBackground gnome(GSettingsBackground::kGnome);
    PcmanfmBackground lxqt(runner, PcmanfmBackground::kLxqt);
    SwayBackground sway(runner);
    SwaybgBackground swaybg;
    DesktopBackground* backends[] = {&xfce, &plasma, &gnome, &lxqt, &sway, &swaybg};
    for (DesktopBackground* backend : backends) {
        for (int layout : {-1, 5}) {
            EXPECT_EQ(backend->SetWallpaper("/w/imgs/temp.bmp", layout), EINVAL);
        }
    }
    EXPECT_TRUE(runner.commands.empty());
}

// xfconf's xfce4-desktop channel as xfconf-query sees it; a locked channel takes no change.
struct FakeXfconf {
    std::map<std::string, std::string> properties;
    int workspaces = 2;
    bool locked = false;

    CommandResult operator()(const std::vector<std::string>& argv) {
        if (argv.at(2) == "xfwm4") {
            return {true, 0, std::to_string(workspaces) + "\n"};
        }
        if (argv.back() == "-l") {
            std::string listing;
            for (const auto& [name, value] : properties) listing += name + "\n";
            return {true, 0, listing};
        }
        const std::string& name = argv.at(4);
        if (argv.size() == 5) {
            auto it = properties.find(name);
            return it == properties.end() ? CommandResult{true, 1, ""}
                                          : CommandResult{true, 0, it->second + "\n"};
        }
        if (locked) {
            return {true, 1, ""};
        }
        properties[name] = argv.back();
        return {true, 0, ""};
    }
};

TEST(DesktopBackgroundTest, XfceSetsEveryMonitorAndWorkspaceAndReadsThemBack) {
    FakeXfconf xfconf;
    xfconf.properties = {{"/backdrop/screen0/monitorHDMI-1/workspace0/last-image", "/old.jpg"},
                         {"/backdrop/screen0/monitorHDMI-1/workspace0/image-style", "5"},
                         {"/backdrop/screen0/monitorDP-2/workspace1/last-image", "/old.jpg"},
                         {"/desktop-icons/style", "2"}};
    RecordingCommandRunner runner;
    runner.answer = std::ref(xfconf);
    XfceBackground xfce(runner);
    EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), 0);
    // Both workspaces of both monitors, the missing ones made.
    for (const char* monitor : {"monitorHDMI-1", "monitorDP-2"}) {
        for (const char* workspace : {"workspace0", "workspace1"}) {
            const std::string prefix =
                std::string("/backdrop/screen0/") + monitor + "/" + workspace + "/";
            EXPECT_EQ(xfconf.properties[prefix + "last-image"], "/w/imgs/temp.bmp") << prefix;
            EXPECT_EQ(xfconf.properties[prefix + "image-style"], "3") << prefix;
        }
    }
    EXPECT_EQ(xfconf.properties.size(), 9u);
    // The same path is emptied before it is set again, so that xfdesktop reloads it.
    const auto& commands = runner.commands;
    const auto first =
        std::find(commands.begin(), commands.end(),
                  std::vector<std::string>{"xfconf-query", "-c", "xfce4-desktop", "-p",
                                           "/backdrop/screen0/monitorDP-2/"
                                           "workspace0/last-image",
                                           "-n", "-t", "string", "-s", ""});
    ASSERT_NE(first, commands.end());
    EXPECT_EQ((first + 1)->back(), "/w/imgs/temp.bmp");

    // Layout codes map to xfdesktop's styles.
    const char* styles[] = {"2", "1", "3", "4", "5"};
    for (int layout = 0; layout <= 4; ++layout) {
        EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", layout), 0);
        EXPECT_EQ(xfconf.properties["/backdrop/screen0/monitorDP-2/workspace0/image-style"],
                  styles[layout]);
    }

    // A channel that takes nothing, with no desktop ever seen, and no xfconf at all.
    xfconf.locked = true;
    EXPECT_EQ(xfce.SetWallpaper("/w/imgs/other.bmp", kLayoutStretched), EACCES);
    FakeXfconf fresh;
    runner.answer = std::ref(fresh);
    EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), 0);
    EXPECT_EQ(fresh.properties["/backdrop/screen0/monitor0/workspace1/last-image"],
              "/w/imgs/temp.bmp");
    runner.answer = [](const std::vector<std::string>&) { return CommandResult{}; };
    EXPECT_EQ(xfce.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), ENXIO);
}

TEST(DesktopBackgroundTest, PlasmaRunsADesktopScriptOverDBus) {
    RecordingCommandRunner runner;
    // dbus-send's printed reply when the script's read-back found the picture everywhere.
    runner.answer = [](const std::vector<std::string>&) {
        return CommandResult{true, 0,
                             "method return time=1.5 sender=:1.7 -> destination=:1.9 serial=42 "
                             "reply_serial=2\n   string \"" +
                                 std::string(PlasmaBackground::kHeld) + "\n\"\n"};
    };
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
    EXPECT_NE(argv[7].find("readConfig(\"Image\")"), std::string::npos);
    EXPECT_NE(PlasmaBackground::Script("file:///x", 4).find("\"FillMode\", 2"), std::string::npos);
    EXPECT_NE(PlasmaBackground::Script("file:///x", 0).find("\"FillMode\", 3"), std::string::npos);

    // Some desktop kept another picture (locked down by the administrator).
    runner.answer = [](const std::vector<std::string>&) {
        return CommandResult{true, 0,
                             "   string \"" + std::string(PlasmaBackground::kRefused) + "\n\"\n"};
    };
    EXPECT_EQ(plasma.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), EACCES);
    // plasmashell answered with an error (a script error, or no such method).
    runner.answer = [](const std::vector<std::string>&) { return CommandResult{true, 1, ""}; };
    EXPECT_EQ(plasma.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), EIO);
    runner.answer = [](const std::vector<std::string>&) { return CommandResult{}; };
    EXPECT_EQ(plasma.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), ENXIO);
}

TEST(DesktopBackgroundTest, SwayIsToldOverItsIpcWithTheLayoutsMode) {
    EXPECT_EQ(SwayBackground::Command("/w/my \"pics\"/imgs/temp.bmp", kLayoutStretched),
              "output * bg \"/w/my \\\"pics\\\"/imgs/temp.bmp\" stretch");
    const char* modes[] = {"tile", "center", "stretch", "fit", "fill"};
    for (int layout = 0; layout <= 4; ++layout) {
        EXPECT_TRUE(
            SwayBackground::Command("/x", layout).ends_with(std::string(" ") + modes[layout]));
    }
    // No sway to talk to, and a sway that refused the command.
    RecordingCommandRunner runner;
    runner.answer = [](const std::vector<std::string>&) { return CommandResult{}; };
    SwayBackground sway(runner);
    EXPECT_EQ(sway.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), ENXIO);
    runner.answer = [](const std::vector<std::string>&) { return CommandResult{true, 2, ""}; };
    EXPECT_EQ(sway.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), EIO);
    EXPECT_EQ(runner.commands.back().at(0), "swaymsg");
}

TEST(DesktopBackgroundTest, PcmanfmSettingsAreReadAsQtAndGLibWriteThem) {
    struct Case {
        const char* text;
        const char* value;
    };
    const Case cases[] = {
        {"[Desktop]\nBgColor=#000000\nWallpaper=/w/imgs/temp.bmp\n", "/w/imgs/temp.bmp"},
        {"[*]\nwallpaper_mode=stretch\nwallpaper=/w/imgs/temp.bmp\n", ""},  // other key
        {"Wallpaper=\"/w/a,b/temp.bmp\"\n", "/w/a,b/temp.bmp"},
        // Qt writes characters beyond ASCII as UTF-16 units: 图片 is U+56FE U+7247.
        {"Wallpaper=/home/u/\\x56fe\\x7247/imgs/temp.bmp\n", "/home/u/图片/imgs/temp.bmp"},
        {"WallpaperMode=zoom\n", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PcmanfmBackground::SettingValue(c.text, "Wallpaper"), c.value) << c.text;
    }
}

TEST(DesktopBackgroundTest, PcmanfmTellsTheRunningDesktopAndReadsItsSettingsBack) {
    TempDir home;
    test::ScopedEnv config("XDG_CONFIG_HOME", home.Path().c_str());
    std::filesystem::create_directories(home / "pcmanfm-qt" / "lxqt");
    // The desktop saves what it was told, as the running pcmanfm-qt does.
    RecordingCommandRunner runner;
    bool saves = true;
    runner.answer = [&](const std::vector<std::string>& argv) {
        if (saves)
            WriteFile(
                home / "pcmanfm-qt" / "lxqt" / "settings.conf",
                "[Desktop]\nWallpaper=" + argv.at(2) + "\nWallpaperMode=" + argv.at(4) + "\n");
        return CommandResult{true, 0, ""};
    };
    PcmanfmBackground lxqt(runner, PcmanfmBackground::kLxqt);
    EXPECT_EQ(lxqt.SetWallpaper("/w/imgs/temp.bmp", kLayoutFilled), 0);
    EXPECT_EQ(runner.commands.back(),
              (std::vector<std::string>{"pcmanfm-qt", "--set-wallpaper", "/w/imgs/temp.bmp",
                                        "--wallpaper-mode", "zoom"}));
    // The same file again goes under another spelling, so the desktop reads it afresh; then
    // back to the plain one.
    EXPECT_EQ(lxqt.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), 0);
    EXPECT_EQ(runner.commands.back().at(2), "/w/imgs/./temp.bmp");
    EXPECT_EQ(lxqt.SetWallpaper("/w/imgs/temp.bmp", kLayoutStretched), 0);
    EXPECT_EQ(runner.commands.back().at(2), "/w/imgs/temp.bmp");
    // No desktop saved it: refused.
    saves = false;
    EXPECT_EQ(lxqt.SetWallpaper("/w/imgs/other.bmp", kLayoutStretched), EIO);
    PcmanfmBackground lxde(runner, PcmanfmBackground::kLxde);
    EXPECT_EQ(lxde.SetWallpaper("/w/imgs/other.bmp", kLayoutFilled), EIO);
    EXPECT_EQ(runner.commands.back(),
              (std::vector<std::string>{"pcmanfm", "--set-wallpaper", "/w/imgs/other.bmp",
                                        "--wallpaper-mode", "crop"}));
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
