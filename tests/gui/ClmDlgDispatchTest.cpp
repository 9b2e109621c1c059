#include "ClmDlgTestFrame.h"
#include "ui/MainCommands.h"

namespace lumora {
namespace {

TEST_F(ClmDlgTest, HideRestoreHideKeepsOneIcon) {
    ClmDlg& w = Open();
    ClickControl(kIdHide);
    EXPECT_FALSE(Visible());
    ASSERT_EQ(host.trayIcons.count(kTrayIconId), 1u);
    EXPECT_EQ(host.trayIcons[kTrayIconId].tip, "Lumora");

    host.ClickTrayIcon(kTrayIconId, MouseButton::Left);
    EXPECT_TRUE(Visible());
    EXPECT_EQ(host.foreground, w.GetSurface());
    EXPECT_EQ(w.StartHidden(), 0);
    EXPECT_EQ(host.trayIcons.size(), 1u);  // the icon stays

    ClickControl(kIdHide);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(host.trayIcons.size(), 1u);
    EXPECT_EQ(host.trayAdds, 1);
    host.ClickTrayIcon(kTrayIconId, MouseButton::Left);
    EXPECT_TRUE(Visible());
}

TEST_F(ClmDlgTest, WithoutANotificationAreaHidingIconifies) {
    host.trayAvailable = false;
    ChangeDirectory(dir / "..");  // as if started at logon
    ClmDlg& w = Open();
    EXPECT_EQ(host.iconified, std::vector<SurfaceId>{w.GetSurface()});
    EXPECT_TRUE(Visible());
    // Brought back from the task bar, it stays.
    host.Expose(w.GetSurface());
    EXPECT_EQ(host.iconified.size(), 1u);
    ClickControl(kIdHide);
    EXPECT_EQ(host.iconified.size(), 2u);
}

TEST_F(ClmDlgTest, StartedFromAnotherDirectoryStaysHiddenUntilTheIconIsClicked) {
    ChangeDirectory(dir / "..");
    ClmDlg& w = Open();
    EXPECT_FALSE(Visible());
    EXPECT_EQ(host.trayIcons.count(kTrayIconId), 1u);
    EXPECT_NE(server.Requests().at(0).target.find("stype=autostart"), std::string::npos);
    host.Expose(w.GetSurface());
    EXPECT_FALSE(Visible());

    host.ClickTrayIcon(kTrayIconId, MouseButton::Left);
    EXPECT_TRUE(Visible());
    host.Expose(w.GetSurface());
    EXPECT_TRUE(Visible());
    EXPECT_EQ(host.trayAdds, 1);
}

TEST_F(ClmDlgTest, ADirectoryChangeBeforeTheFirstRestoreHidesAtTheNextFramePaint) {
    ClmDlg& w = Open();
    EXPECT_TRUE(Visible());
    ChangeDirectory(dir / "..");
    host.Expose(w.GetSurface());
    EXPECT_FALSE(Visible());
}

TEST_F(ClmDlgTest, CloseButtonFollowsTheSetting) {
    WriteConfig("YCTASK=1\n");
    ClmDlg& w = Open();
    ClickControl(kIdClose);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(Operations(), std::vector<std::string>{"getad"});

    host.ClickTrayIcon(kTrayIconId, MouseButton::Left);
    WriteConfig("YCTASK=0\n");
    host.Then([&] { ClickControl(kIdClose); });
    w.DestroyWindow();
    dlg = std::make_unique<ClmDlg>(*app);
    host.Then([&] { ClickControl(kIdClose); });
    EXPECT_EQ(dlg->DoModal(), IDCANCEL);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"getad", "getad", "exit"}));
    EXPECT_FALSE(dlg->IsWindow());
    EXPECT_TRUE(host.trayIcons.empty());
}

TEST_F(ClmDlgTest, TrayMenuOffersThreeCommands) {
    ClmDlg& w = Open();
    ClickControl(kIdHide);
    host.ScriptMenu(ID_TRAY_HOME);
    host.ClickTrayIcon(kTrayIconId, MouseButton::Right);
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(host.menus[0].owner, w.GetSurface());
    ASSERT_EQ(host.menus[0].items.size(), 3u);
    EXPECT_EQ(host.menus[0].items[0].id, ID_TRAY_HOME);
    EXPECT_EQ(host.menus[0].items[0].text, "更多桌面壁纸");
    EXPECT_EQ(host.menus[0].items[1].text, "检查更新");
    EXPECT_EQ(host.menus[0].items[2].text, "退出");
    EXPECT_EQ(shell.openedUrls, std::vector<std::string>{kHome});
    EXPECT_FALSE(Visible());

    // No answer to the version request: the program is up to date.
    host.ScriptMenu(ID_TRAY_CHECK_UPDATE);
    host.ClickTrayIcon(kTrayIconId, MouseButton::Right);
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0].text, "目前已经是最新版本！");
    EXPECT_EQ(host.messageBoxes[0].owner, w.GetSurface());
    EXPECT_EQ(Operations().back(), "getversion");
}

TEST_F(ClmDlgTest, TrayExitSendsExitAndEndsTheWindow) {
    dlg = std::make_unique<ClmDlg>(*app);
    host.Then([&] {
        dlg->HideToTray();
        host.ScriptMenu(ID_TRAY_EXIT);
        host.ClickTrayIcon(kTrayIconId, MouseButton::Right);
    });
    EXPECT_EQ(dlg->DoModal(), IDCANCEL);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"getad", "exit"}));
    EXPECT_TRUE(host.trayIcons.empty());
    EXPECT_FALSE(AnyWindowOf<LMDialog>());  // the online page is destroyed
}

// Panels that draw the icon's menu themselves offer the same three items; a choice there
// reaches the pre-translation as the program's own menu's does.
TEST_F(ClmDlgTest, TheNotificationAreasOwnMenuGivesTheSameCommands) {
    Open();
    ClickControl(kIdHide);
    const TrayIcon& icon = host.trayIcons[kTrayIconId];
    EXPECT_EQ(icon.appName, "lumo");
    ASSERT_EQ(icon.menu.size(), 3u);
    EXPECT_EQ(icon.menu[0].id, ID_TRAY_HOME);
    EXPECT_EQ(icon.menu[0].text, "更多桌面壁纸");
    EXPECT_EQ(icon.menu[1].id, ID_TRAY_CHECK_UPDATE);
    EXPECT_EQ(icon.menu[1].text, "检查更新");
    EXPECT_EQ(icon.menu[2].id, ID_TRAY_EXIT);
    EXPECT_EQ(icon.menu[2].text, "退出");

    EXPECT_TRUE(host.ChooseTrayMenuItem(kTrayIconId, ID_TRAY_HOME));
    EXPECT_EQ(shell.openedUrls, std::vector<std::string>{kHome});
    EXPECT_TRUE(host.menus.empty());
    EXPECT_FALSE(Visible());
}

TEST_F(ClmDlgTest, ExitFromTheNotificationAreasOwnMenuEndsTheWindow) {
    dlg = std::make_unique<ClmDlg>(*app);
    host.Then([&] {
        dlg->HideToTray();
        host.ChooseTrayMenuItem(kTrayIconId, ID_TRAY_EXIT);
    });
    EXPECT_EQ(dlg->DoModal(), IDCANCEL);
    EXPECT_EQ(Operations(), (std::vector<std::string>{"getad", "exit"}));
    EXPECT_TRUE(host.trayIcons.empty());
}

// A panel names the point for the menu (a StatusNotifierItem's ContextMenu); the pointer may
// be elsewhere, or unknown to the program under Wayland.
TEST_F(ClmDlgTest, TrayMenuOpensWhereTheIconAskedForIt) {
    ClmDlg& w = Open();
    ClickControl(kIdHide);
    host.MoveTo({5, 5});
    host.OpenTrayMenuAt(kTrayIconId, {700, 20});
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(host.menus[0].screen, (Point{700, 20}));
    EXPECT_EQ(host.menus[0].owner, w.GetSurface());
}

TEST_F(ClmDlgTest, PanelCommands) {
    ClmDlg& w = Open();
    w.MoveWindow(Rect::FromXywh(100, 100, 900, 667));
    for (WPARAM ignored : {WPARAM{0}, WPARAM{2}, WPARAM{3}, WPARAM{5}}) {
        w.PostMessage(WM_PANEL_COMMAND, ignored, 0);
        host.RunUntilIdle();
    }
    EXPECT_TRUE(shell.openedUrls.empty());
    EXPECT_FALSE(PartOf<Setting>(w).IsVisibleFlag());
    EXPECT_TRUE(Visible());
    EXPECT_EQ(Operations().size(), 1u);

    w.PostMessage(WM_PANEL_COMMAND, 1, 0);
    host.RunUntilIdle();
    EXPECT_TRUE(PartOf<Setting>(w).IsVisibleFlag());
    EXPECT_EQ(PartOf<Setting>(w).GetWindowRect(), Rect::FromXywh(395, 253, 407, 389));

    w.PostMessage(WM_PANEL_COMMAND, 4, 0);
    host.RunUntilIdle();
    EXPECT_EQ(shell.openedUrls, std::vector<std::string>{kHome});

    // A home page that is not a web page is not opened.
    WriteConfig("", "file:///etc/passwd");
    w.PostMessage(WM_PANEL_COMMAND, 4, 0);
    host.RunUntilIdle();
    EXPECT_EQ(shell.openedUrls.size(), 1u);

    w.PostMessage(WM_PANEL_COMMAND, static_cast<WPARAM>(-1), 0);
    host.RunUntilIdle();
    EXPECT_EQ(Operations().back(), "exit");
    EXPECT_FALSE(Visible());
}

TEST_F(ClmDlgTest, PickerOpensAboveItsButtonAndHidesWhenTheMouseLeavesForElsewhere) {
    ClmDlg& w = Open();
    ClickControl(kIdInterval);
    TimeDLG& picker = PartOf<TimeDLG>(w);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdInterval).hovered, 1);
    EXPECT_TRUE(picker.IsVisibleFlag());
    Rect button = ControlOf<BTButton>(w, kIdInterval).GetWindowRect();
    EXPECT_EQ(picker.GetWindowRect(),
              Rect::FromXywh(button.left, button.top - 180, button.Width() - 1, 180));

    host.MoveTo({button.left + 10, button.top - 20});
    w.PostMessage(WM_POPUP_LEAVE, 0, 0);
    host.RunUntilIdle();
    EXPECT_TRUE(picker.IsVisibleFlag());

    host.MoveTo({button.left + 10, button.top + 200});
    w.PostMessage(WM_POPUP_LEAVE, 0, 0);
    host.RunUntilIdle();
    EXPECT_FALSE(picker.IsVisibleFlag());

    w.PostMessage(WM_INTERVAL_PICKED, 2, 0);
    host.RunUntilIdle();
    EXPECT_EQ(ControlOf<BTButton>(w, kIdInterval).hovered, 0);
}

TEST_F(ClmDlgTest, MenuButtonHangsThePanelFromTheCursor) {
    ClmDlg& w = Open();
    Point at = CentreOf(*w.GetDlgItem(kIdMenu));
    host.Click(at);
    EXPECT_TRUE(PartOf<PPSET>(w).IsVisibleFlag());
    EXPECT_EQ(PartOf<PPSET>(w).GetWindowRect(), Rect::FromXywh(at.x - 130, at.y, 130, 140));
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

TEST_F(ClmDlgTest, ClosingThroughTheSystemEndsWithoutTheExitRequest) {
    dlg = std::make_unique<ClmDlg>(*app);
    host.Then([&] {
        dlg->HideToTray();
        host.ClickTrayIcon(kTrayIconId, MouseButton::Left);
        host.CloseSurface(dlg->GetSurface());
    });
    EXPECT_EQ(dlg->DoModal(), IDCANCEL);
    EXPECT_EQ(Operations(), std::vector<std::string>{"getad"});
    EXPECT_TRUE(host.trayIcons.empty());
}

}  // namespace
}  // namespace lumora

namespace lumora {
namespace {

TEST_F(ClmDlgTest, RotationStartsWithItsIntervalOnlyWhenOn) {
    struct Case {
        const char* config;
        const char* caption;
    };
    const Case cases[] = {
        {"AUTO=0\nAUTOTIME=6\n", "每三分钟"},
        {"AUTO=1\nAUTOTIME=6\n", "每天"},
        {"AUTO=1\nAUTOTIME=9\n", "每三分钟"},
    };
    for (const Case& c : cases) {
        WriteConfig(c.config);
        ClmDlg& w = Open();
        EXPECT_EQ(ControlOf<BTButton>(w, kIdInterval).GetWindowText(), c.caption) << c.config;
    }
    // A pick restarts the timer and shows its caption; the toggle only flips the flag.
    dlg->PostMessage(WM_INTERVAL_PICKED, 5, 0);
    host.RunUntilIdle();
    EXPECT_EQ(ControlOf<BTButton>(*dlg, kIdInterval).GetWindowText(), "每小时");
    ClickControl(kIdRotation);
    EXPECT_EQ(ControlOf<BTButton>(*dlg, kIdRotation).selected, 0);
    EXPECT_NE(test::ReadFile(dir / "conf.ini").find("AUTO=0"), std::string::npos);
}

}  // namespace
}  // namespace lumora
