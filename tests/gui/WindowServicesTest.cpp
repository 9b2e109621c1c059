// Window services beyond the mouse basics: tracking edge cases, cursors, move-drag, owned
// pop-ups, closing through the window manager, window contexts while painting, coordinates.
#include <vector>

#include "res/DialogTemplates.h"
#include "support/HeadlessHostFixture.h"
#include "wnd/Button.h"
#include "wnd/Dialog.h"
#include "wnd/Menu.h"

namespace lumora {
namespace {

class Probe : public Wnd {
public:
    std::vector<UINT> seen;
    int hitAnswer = HTCLIENT;

protected:
    void OnMouseHover(UINT, Point) override { seen.push_back(WM_MOUSEHOVER); }
    void OnMouseLeave() override { seen.push_back(WM_MOUSELEAVE); }
    int OnNcHitTest(Point screen) override {
        const int hit = Wnd::OnNcHitTest(screen);
        return hit == HTCLIENT ? hitAnswer : hit;
    }
    bool OnSetCursor(Wnd& w, int hit, UINT msg) override {
        if (hit == HTCLIENT) {
            SetCursor(CursorShape::Hand);
            return true;
        }
        return Wnd::OnSetCursor(w, hit, msg);
    }
};

using WindowServicesTest = HeadlessHostFixture;

TEST_F(WindowServicesTest, TrackingAWindowTheMouseIsNotOverLeavesAtOnce) {
    Probe w;
    w.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 100, 100), nullptr);
    host.MoveTo({300, 300});
    EXPECT_TRUE(TrackMouseEvent(w, TME_HOVER | TME_LEAVE, 0));
    host.RunUntilIdle();
    EXPECT_EQ(w.seen, (std::vector<UINT>{WM_MOUSELEAVE}));
}

TEST_F(WindowServicesTest, HoverWithATimeComesFromTheClockAndCancelStopsIt) {
    Probe w;
    w.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 100, 100), nullptr);
    host.MoveTo({50, 50});
    TrackMouseEvent(w, TME_HOVER, 300);
    host.Advance(299);
    EXPECT_TRUE(w.seen.empty());
    host.Advance(1);
    EXPECT_EQ(w.seen, (std::vector<UINT>{WM_MOUSEHOVER}));
    TrackMouseEvent(w, TME_HOVER | TME_LEAVE, 300);
    TrackMouseEvent(w, TME_CANCEL | TME_HOVER | TME_LEAVE, 0);
    host.Advance(1000);
    host.MoveTo({300, 300});
    EXPECT_EQ(w.seen, (std::vector<UINT>{WM_MOUSEHOVER}));
}

TEST_F(WindowServicesTest, SetCursorAnswerSetsTheSurfacesCursor) {
    Probe w;
    w.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 100, 100), nullptr);
    host.MoveTo({50, 50});
    EXPECT_EQ(host.Find(w.GetSurface())->cursor, CursorShape::Hand);
}

TEST_F(WindowServicesTest, CaptionHitStartsAMoveDragAndMovesFollow) {
    Probe w;
    w.hitAnswer = HTCAPTION;
    w.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(100, 100, 100, 100), nullptr);
    host.Press({150, 150});
    ASSERT_EQ(host.moveDrags.size(), 1u);
    EXPECT_EQ(host.moveDrags[0].first, w.GetSurface());
    host.Release({150, 150});
    // The window manager moved it: screen coordinates follow.
    host.Find(w.GetSurface())->options.client->Moved(Rect::FromXywh(300, 200, 100, 100));
    EXPECT_EQ(w.ClientToScreen(Point{10, 10}), (Point{310, 210}));
    EXPECT_EQ(w.GetWindowRect(), Rect::FromXywh(300, 200, 100, 100));
}

TEST_F(WindowServicesTest, OwnedPopupsStayOffTheTaskBarUntilMadeAppWindows) {
    Wnd owner;
    owner.CreateEx(WS_EX_APPWINDOW, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 300, 300),
                   nullptr);
    Dialog panel(DialogResource(kMenuPanelTemplate));
    ASSERT_TRUE(panel.Create(&owner));
    const auto* s = host.Find(panel.GetSurface());
    EXPECT_EQ(s->options.owner, owner.GetSurface());
    EXPECT_TRUE(s->toolWindow);
    EXPECT_EQ(panel.GetParent(), &owner);
    EXPECT_FALSE(host.Find(owner.GetSurface())->toolWindow);
    owner.ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    EXPECT_TRUE(host.Find(owner.GetSurface())->toolWindow);
    panel.MoveWindow(Rect::FromXywh(40, 50, 130, 140));
    panel.ShowWindow(SW_SHOW);
    EXPECT_EQ(host.Find(panel.GetSurface())->screen, Rect::FromXywh(40, 50, 130, 140));
    EXPECT_TRUE(host.Find(panel.GetSurface())->visible);
}

TEST_F(WindowServicesTest, ClosingAModalDialogThroughTheWindowManagerCancelsIt) {
    Dialog dlg(DialogResource(kSettingsTemplate));
    host.Then([&] { host.CloseSurface(dlg.GetSurface()); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(dlg.IsWindow());
}

TEST_F(WindowServicesTest, OkButtonClickEndsTheModalDialog) {
    Dialog dlg(DialogResource(kSettingsTemplate));
    host.Then([&] {
        const Rect ok = dlg.GetDlgItem(IDOK)->GetWindowRect();
        host.Click({ok.left + 5, ok.top + 5});
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// Draws a line along its bottom edge through the whole window's context, as link buttons do.
class Underlined : public Button {
public:
    void DrawItem(DrawItemInfo&) override {
        auto dc = GetWindowDC();
        const Rect w = GetWindowRect();
        dc->FillSolidRect(Rect{0, w.Height() - 1, w.Width(), w.Height()}, RGB(0, 0, 255));
    }
};

TEST_F(WindowServicesTest, WindowContextDrawsIntoTheWindowWhilePaintingAndNowhereElse) {
    struct White : Wnd {
        bool OnEraseBkgnd(DC& dc) override {
            dc.FillSolidRect(GetClientRect(), RGB(255, 255, 255));
            return true;
        }
        Brush OnCtlColor(DC&, Wnd&, UINT) override { return Brush::HollowBrush(); }
    } top;
    top.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 200, 100), nullptr);
    Underlined link;
    link.Create("link", BS_OWNERDRAW | WS_VISIBLE, Rect::FromXywh(20, 30, 60, 16), &top, 1017);
    host.RunUntilIdle();
    EXPECT_EQ(host.Pixel(top.GetSurface(), {40, 45}), 0xFF0000FFu);
    EXPECT_EQ(host.Pixel(top.GetSurface(), {40, 44}), 0xFFFFFFFFu);
    EXPECT_EQ(host.Pixel(top.GetSurface(), {85, 45}), 0xFFFFFFFFu);
    // Outside a paint the context draws nowhere.
    link.GetWindowDC()->FillSolidRect(Rect{0, 0, 60, 16}, RGB(0, 255, 0));
    EXPECT_EQ(host.Pixel(top.GetSurface(), {40, 35}), 0xFFFFFFFFu);
}

TEST_F(WindowServicesTest, TabMovesTheFocusAlongTheTabStops) {
    Dialog dlg(DialogResource(kSettingsTemplate));
    std::vector<int> order;
    host.Then([&] {
        for (int i = 0; i < 3; ++i) {
            host.Key(VK_TAB);
            order.push_back(Wnd::GetFocus() != nullptr ? Wnd::GetFocus()->GetDlgCtrlID() : 0);
        }
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    // The first tab stop (1034) has the focus from the start.
    EXPECT_EQ(order, (std::vector<int>{1022, 1027, 1028}));
}

TEST_F(WindowServicesTest, PopupMenuPostsTheChosenCommandToItsOwner) {
    // Ids above 16 bits ride whole in wParam (the command cracker sees only the low word).
    struct Owner : Wnd {
        std::vector<WPARAM> commands;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_COMMAND) commands.push_back(wParam);
            return Wnd::WindowProc(message, wParam, lParam);
        }
    } owner;
    owner.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 100, 100), nullptr);
    Menu menu;
    menu.AppendMenu(99997, "更多桌面壁纸");
    menu.AppendMenu(99999, "退出");
    host.ScriptMenu(99999);
    EXPECT_EQ(menu.TrackPopupMenu({40, 50}, owner), 99999u);
    EXPECT_EQ(menu.TrackPopupMenu({40, 50}, owner), 0u);  // dismissed
    host.RunUntilIdle();
    EXPECT_EQ(owner.commands, (std::vector<WPARAM>{99999}));
    ASSERT_EQ(host.menus.size(), 2u);
    EXPECT_EQ(host.menus[0].screen, (Point{40, 50}));
    EXPECT_EQ(host.menus[0].items[0].text, "更多桌面壁纸");
    EXPECT_EQ(host.menus[0].owner, owner.GetSurface());
}

}  // namespace
}  // namespace lumora
