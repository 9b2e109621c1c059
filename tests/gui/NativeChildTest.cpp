// Native children: the edit box over its window (text, focus notices, formatting rectangle,
// colours, keys passing the pre-translation) and the web view with its navigation hook.
#include <string>
#include <vector>

#include "platform/headless/HeadlessEdit.h"
#include "platform/headless/HeadlessWebView.h"
#include "support/HeadlessHostFixture.h"
#include "wnd/Button.h"
#include "wnd/Edit.h"
#include "wnd/HtmlView.h"

namespace lumora {
namespace {

constexpr int kSearchId = 1007;

// A top-level window that records its children's notifications and can swallow Enter in the
// search box, as the main window's pre-translation does.
class Host_ : public Wnd {
public:
    std::vector<std::pair<UINT, UINT>> notices;  // (id, code)
    std::vector<std::string> searches;
    Edit* search = nullptr;

    bool PreTranslateMessage(Msg& msg) override {
        if (msg.message == WM_KEYDOWN && search != nullptr && msg.hwnd == search->GetSafeHwnd() &&
            (GetKeyState(VK_RETURN) & 0x8000) != 0) {
            searches.push_back(search->GetWindowText());
            return true;
        }
        return false;
    }

protected:
    bool OnCommand(UINT id, UINT code, Wnd*) override {
        notices.emplace_back(id, code);
        return true;
    }
    Brush OnCtlColor(DC& dc, Wnd& control, UINT kind) override {
        if (control.GetDlgCtrlID() == kSearchId) {
            dc.SetTextColor(RGB(1, 2, 3));
            return Brush::SolidColor(RGB(235, 235, 235));
        }
        return Wnd::OnCtlColor(dc, control, kind);
    }
};

class NativeChildTest : public HeadlessHostFixture {
protected:
    NativeChildTest() {
        top.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(100, 100, 400, 300), nullptr);
        panel.CreateEx(0, "", WS_CHILD | WS_VISIBLE, Rect::FromXywh(20, 30, 300, 200), &top);
        search.Create(ES_MULTILINE | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE,
                      Rect::FromXywh(10, 10, 180, 20), &top, kSearchId);
        other.Create(WS_TABSTOP | WS_VISIBLE, Rect::FromXywh(10, 40, 180, 20), &top, 1008);
        button.Create("b", BS_OWNERDRAW | WS_VISIBLE, Rect::FromXywh(300, 250, 50, 20), &top, 1);
        top.search = &search;
        host.RunUntilIdle();
    }
    HeadlessEdit& NativeOf(Edit& e) { return *static_cast<HeadlessEdit*>(e.Native()); }
    void ClickOn(Wnd& w) {
        const Rect r = w.GetWindowRect();
        host.Click({r.left + 2, r.top + 2});
    }

    Host_ top;
    Wnd panel;
    Edit search;
    Edit other;
    Button button;
};

TEST_F(NativeChildTest, EditFollowsItsWindowAndKeepsItsText) {
    Edit inner;
    inner.Create(ES_READONLY | WS_VISIBLE, Rect::FromXywh(5, 6, 50, 14), &panel, 1027);
    HeadlessEdit& native = NativeOf(inner);
    EXPECT_EQ(native.rect, Rect::FromXywh(25, 36, 50, 14));
    EXPECT_TRUE(native.options.readOnly);
    EXPECT_FALSE(native.options.multiLine);
    panel.MoveWindow(Rect::FromXywh(40, 50, 300, 200));
    EXPECT_EQ(native.rect, Rect::FromXywh(45, 56, 50, 14));
    panel.ShowWindow(SW_HIDE);
    EXPECT_FALSE(native.visible);
    panel.ShowWindow(SW_SHOW);
    EXPECT_TRUE(native.visible);
    inner.SetWindowText("/home/u/pictures");
    EXPECT_EQ(native.text, "/home/u/pictures");
    native.text = "typed";
    EXPECT_EQ(inner.GetWindowText(), "typed");
    inner.SetRect(Rect{2, 3, 48, 12});
    EXPECT_EQ(native.formattingRect, (Rect{2, 3, 48, 12}));
    inner.DestroyWindow();
    EXPECT_EQ(host.Edits().size(), 2u);
}

TEST_F(NativeChildTest, FocusNoticesReachTheParent) {
    ClickOn(search);
    EXPECT_EQ(Wnd::GetFocus(), &search);
    ClickOn(other);
    ClickOn(button);
    EXPECT_EQ(Wnd::GetFocus(), &button);
    EXPECT_EQ(host.FocusedEdit(), nullptr);
    EXPECT_EQ(top.notices, (std::vector<std::pair<UINT, UINT>>{{kSearchId, EN_SETFOCUS},
                                                               {kSearchId, EN_KILLFOCUS},
                                                               {1008, EN_SETFOCUS},
                                                               {1008, EN_KILLFOCUS},
                                                               {1, BN_CLICKED}}));
    search.SetFocus();
    EXPECT_EQ(host.FocusedEdit(), &NativeOf(search));
}

TEST_F(NativeChildTest, KeysPassThePreTranslationBeforeTheyAreTyped) {
    ClickOn(search);
    host.Type("壁纸");
    host.Key(VK_RETURN);
    EXPECT_EQ(top.searches, (std::vector<std::string>{"壁纸"}));
    EXPECT_EQ(search.GetWindowText(), "壁纸");  // the swallowed Enter was not typed
    EXPECT_EQ(GetKeyState(VK_RETURN), 0);
}

TEST_F(NativeChildTest, ParentsColouringReachesTheNativeEdit) {
    EXPECT_EQ(NativeOf(search).textColor, RGB(1, 2, 3));
    EXPECT_EQ(NativeOf(search).background, RGB(235, 235, 235));
    EXPECT_EQ(NativeOf(search).font.family.rfind("WenQuanYi Micro Hei", 0), 0u);
    EXPECT_EQ(NativeOf(search).font.pixelSize, 12);
}

class Browser : public HtmlView {
public:
    std::vector<std::string> seen;

protected:
    void OnGetHostInfo(HostInfo& info) override {
        info.flags |= DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
    }
    void OnBeforeNavigate2(const std::string& url, bool& cancel) override {
        seen.push_back(url);
        cancel = url.rfind("app:", 0) == 0;
    }
};

TEST_F(NativeChildTest, WebViewNavigationHookCancelsPrivateLinks) {
    Browser view;
    view.Create(WS_VISIBLE, Rect::FromXywh(1, 0, 899, 200), &panel, 1009);
    auto* native = static_cast<HeadlessWebView*>(view.Native());
    EXPECT_EQ(native->rect, Rect::FromXywh(21, 30, 899, 200));
    view.SetSilent(true);
    view.Navigate("http://127.0.0.1/kavri/lm/index.php?cid=1");
    host.RunUntilIdle();
    EXPECT_FALSE(native->FollowLink("app:http://127.0.0.1/p.jpg>p"));
    EXPECT_TRUE(native->silent);
    EXPECT_TRUE(native->scrollBarsHidden);
    EXPECT_EQ(view.seen, (std::vector<std::string>{"http://127.0.0.1/kavri/lm/index.php?cid=1",
                                                   "app:http://127.0.0.1/p.jpg>p"}));
    EXPECT_EQ(native->currentUrl, "http://127.0.0.1/kavri/lm/index.php?cid=1");
    native->pageFunctions = {"TestFunc"};
    view.CallPageFunction("TestFunc");
    view.CallPageFunction("Missing");
    EXPECT_EQ(native->calls, (std::vector<std::string>{"TestFunc"}));
}

}  // namespace
}  // namespace lumora
