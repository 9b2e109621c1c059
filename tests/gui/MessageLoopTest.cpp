// The message loop: posted and sent messages, pre-translation by the modal dialog, timers,
// and the dialog keyboard interface.
#include <vector>

#include "platform/headless/HeadlessEdit.h"
#include "support/HeadlessHostFixture.h"
#include "wnd/Dialog.h"
#include "wnd/Edit.h"

namespace lumora {
namespace {

constexpr UINT kProbe = WM_USER + 1;
constexpr int kEditId = 1007;
constexpr int kWantReturnId = 1008;

const DialogTemplate& ProbeTemplate() {
    static DialogTemplate t;
    if (t.id != 0) return t;
    t.id = 900;
    t.style = WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS;
    t.cx = 200;
    t.cy = 100;
    t.items = {
        {IDOK, "Button", "OK", 10, 70, 50, 14, BS_OWNERDRAW | WS_TABSTOP},
        {kEditId, "Edit", "", 10, 10, 100, 12, ES_AUTOHSCROLL | WS_TABSTOP},
        {kWantReturnId, "Edit", "", 10, 30, 100, 24, ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP},
    };
    return t;
}

// Records the messages it sees, both where they pass the pre-translation and where they land.
class Recorder : public Wnd {
public:
    std::vector<WPARAM> received;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProbe) received.push_back(wParam);
        return Wnd::WindowProc(message, wParam, lParam);
    }
};

class ProbeDialog : public Dialog {
public:
    ProbeDialog() : Dialog(ProbeTemplate()) {}

    std::vector<WPARAM> preTranslated;
    Recorder child;
    Recorder grandchild;

    bool PreTranslateMessage(Msg& msg) override {
        if (msg.message == kProbe) preTranslated.push_back(msg.wParam);
        return Dialog::PreTranslateMessage(msg);
    }

protected:
    bool OnInitDialog() override {
        child.CreateEx(0, "", WS_CHILD | WS_VISIBLE, Rect::FromXywh(0, 0, 50, 50), this, 1);
        grandchild.CreateEx(0, "", WS_CHILD | WS_VISIBLE, Rect::FromXywh(0, 0, 10, 10), &child, 2);
        return false;
    }
};

using MessageLoopTest = HeadlessHostFixture;

TEST_F(MessageLoopTest, PostedMessagesPassTheModalDialogsPreTranslationSentOnesDoNot) {
    ProbeDialog dlg;
    host.Then([&] {
        dlg.grandchild.PostMessage(kProbe, 1);
        dlg.grandchild.SendMessage(kProbe, 2);
        dlg.PostMessage(kProbe, 3);
    });
    host.Then([&] { dlg.EndDialog(IDOK); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.preTranslated, (std::vector<WPARAM>{1, 3}));
    EXPECT_EQ(dlg.grandchild.received, (std::vector<WPARAM>{2, 1}));
    EXPECT_FALSE(dlg.IsWindow());
}

TEST_F(MessageLoopTest, MessageForADestroyedWindowIsDropped) {
    Recorder w;
    w.CreateEx(0, "", WS_POPUP, Rect::FromXywh(0, 0, 10, 10), nullptr);
    w.PostMessage(kProbe, 1);
    w.DestroyWindow();
    w.CreateEx(0, "", WS_POPUP, Rect::FromXywh(0, 0, 10, 10), nullptr);
    host.RunUntilIdle();
    EXPECT_TRUE(w.received.empty());
}

class TimerWindow : public Wnd {
public:
    std::vector<unsigned long long> ticks;
    HeadlessHost* host = nullptr;

protected:
    void OnTimer(UINT) override { ticks.push_back(host->Now()); }
};

TEST_F(MessageLoopTest, SetTimerReplacesARunningTimerOfTheSameId) {
    TimerWindow w;
    w.host = &host;
    w.CreateEx(0, "", WS_POPUP, Rect::FromXywh(0, 0, 10, 10), nullptr);
    w.SetTimer(1, 100);
    host.Advance(60);
    w.SetTimer(1, 100);  // starts its period again
    host.Advance(99);
    EXPECT_TRUE(w.ticks.empty());
    host.Advance(101);
    EXPECT_EQ(w.ticks, (std::vector<unsigned long long>{160, 260}));
    EXPECT_TRUE(w.KillTimer(1));
    EXPECT_FALSE(w.KillTimer(1));
    host.Advance(500);
    EXPECT_EQ(w.ticks.size(), 2u);
}

TEST_F(MessageLoopTest, EnterAndEscapeInADialog) {
    struct Case {
        const char* name;
        int focus;  // control to click first, 0 for none
        std::vector<unsigned> keys;
        int result;
    };
    const std::vector<Case> cases = {
        {"Enter with no focus", 0, {VK_RETURN}, IDOK},
        {"Escape with no focus", 0, {VK_ESCAPE}, IDCANCEL},
        {"Enter in a single-line edit", kEditId, {VK_RETURN}, IDOK},
        {"Escape in a single-line edit", kEditId, {VK_ESCAPE}, IDCANCEL},
        {"Enter in a multi-line edit that wants it, then Escape",
         kWantReturnId,
         {VK_RETURN, VK_ESCAPE},
         IDCANCEL},
    };
    for (const Case& c : cases) {
        ProbeDialog dlg;
        host.Then([&] {
            if (c.focus != 0) {
                const Rect r = dlg.GetDlgItem(c.focus)->GetWindowRect();
                host.Click({r.left + 2, r.top + 2});
                ASSERT_EQ(Wnd::GetFocus(), dlg.GetDlgItem(c.focus)) << c.name;
            }
        });
        for (unsigned key : c.keys) host.Then([&host = host, key] { host.Key(key); });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
    }
}

TEST_F(MessageLoopTest, WantReturnEditTypesTheEnter) {
    ProbeDialog dlg;
    std::string typed;
    host.Then([&] {
        const Rect r = dlg.GetDlgItem(kWantReturnId)->GetWindowRect();
        host.Click({r.left + 2, r.top + 2});
        host.Type("ab");
        host.Key(VK_RETURN);
        typed = dlg.GetDlgItemText(kWantReturnId);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ(typed, "ab\r\n");
}

}  // namespace
}  // namespace lumora
