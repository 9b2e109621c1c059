// A small program on the GTK host, driven by the end-to-end scripts under Xvfb. It prints what
// it receives, one line per event, so the scripts can check that input reached the framework.
//
//   gtkhost_demo message-box TEXT CAPTION BUTTONS ICON
//                                                one box (BUTTONS ok, okcancel or yesno; ICON
//                                                none, warning, question or information),
//                                                prints "answer N"
//   gtkhost_demo window URL                      a window drawn by the framework at 100,100
//                                                (400 x 300, blue, rounded corners) with a red
//                                                owner-drawn button at 20,20 (100 x 40), an edit
//                                                box at 20,80 (200 x 24) and a web view at 20,120
//                                                (360 x 160) showing URL
//   gtkhost_demo open-file NAME PATTERN...       the file-open dialog with one type for each
//                                                NAME and PATTERN pair; prints "file PATH" or
//                                                "cancelled"
//   gtkhost_demo browse-folder TITLE             the folder browser; prints "folder PATH" or
//                                                "cancelled"
//   gtkhost_demo tray                            a notification icon; prints "tray 1" when
//                                                it was added, "left" on a left click, and
//                                                after a right click the id chosen in the
//                                                popup menu at the cursor ("chose N")
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/linux/GtkHost.h"
#include "wnd/Button.h"
#include "wnd/DC.h"
#include "wnd/DrawItemInfo.h"
#include "wnd/Edit.h"
#include "wnd/HtmlView.h"
#include "wnd/Messages.h"
#include "wnd/Styles.h"
#include "wnd/Wnd.h"

using namespace lumora;

namespace {

constexpr int kButtonId = 1;
constexpr int kEditId = 2;
constexpr int kViewId = 3;
constexpr ColorRef kBlue = 0xFF0000;  // red in the lowest byte
constexpr ColorRef kRed = 0x0000FF;

class RedButton : public Button {
protected:
    void DrawItem(DrawItemInfo& info) override { info.dc->FillSolidRect(info.rcItem, kRed); }
};

// Cancels links with the private prefix "app:", reports them and answers the page.
class DemoView : public HtmlView {
protected:
    void OnGetHostInfo(HostInfo& info) override { info.flags |= DOCHOSTUIFLAG_SCROLL_NO; }
    void OnBeforeNavigate2(const std::string& url, bool& cancel) override {
        if (url.rfind("app:", 0) != 0) return;
        cancel = true;
        std::printf("cancelled %s\n", url.c_str());
        CallPageFunction("NoSuchFunction");
        CallPageFunction("TestFunc");
    }
    void OnDocumentComplete(const std::string& url) override {
        std::printf("loaded %s\n", url.c_str());
    }
    void OnNewWindow(const std::string& url) override {
        std::printf("newwindow %s\n", url.c_str());
    }
};

class DemoWindow : public Wnd {
public:
    RedButton button;
    Edit edit;
    DemoView view;

protected:
    bool OnEraseBkgnd(DC& dc) override {
        dc.FillSolidRect(GetClientRect(), kBlue);
        return true;
    }
    bool OnCommand(UINT id, UINT code, Wnd*) override {
        if (id == kButtonId && code == BN_CLICKED)
            std::printf("clicked\n");
        else if (id == kEditId && code == EN_CHANGE)
            std::printf("text %s\n", edit.GetWindowText().c_str());
        else
            return false;
        return true;
    }
};

int RunMessageBox(GtkHost& host, int argc, char** argv) {
    if (argc < 6) return 2;
    const std::string buttons = argv[4];
    const std::string icon = argv[5];
    MessageBoxStyle style;
    if (buttons == "okcancel") style.buttons = BoxButtons::OkCancel;
    if (buttons == "yesno") style.buttons = BoxButtons::YesNo;
    if (icon == "warning") style.icon = BoxIcon::Warning;
    if (icon == "question") style.icon = BoxIcon::Question;
    if (icon == "information") style.icon = BoxIcon::Information;
    const int answer = host.MessageBox(0, argv[2], argv[3], style);
    std::printf("answer %d\n", answer);
    return 0;
}

int RunWindow(GtkHost& host, const std::string& url) {
    DemoWindow window;
    window.CreateEx(WS_EX_APPWINDOW, "demo", WS_POPUP, Rect::FromXywh(100, 100, 400, 300), nullptr);
    window.button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Rect::FromXywh(20, 20, 100, 40),
                         &window, kButtonId);
    window.edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, Rect::FromXywh(20, 80, 200, 24),
                       &window, kEditId);
    window.view.Create(WS_CHILD | WS_VISIBLE, Rect::FromXywh(20, 120, 360, 160), &window, kViewId);
    // Rounded corners of 40 x 40: the corner pixels are cut away from the window.
    window.SetWindowRgn(RoundRect{Rect::FromXywh(0, 0, 400, 300), 40, 40});
    window.view.SetSilent(true);
    window.view.Navigate(url);
    window.ShowWindow(SW_SHOW);
    std::printf("shown\n");
    host.RunLoop([&] { return window.IsWindow(); });
    return 0;
}

int RunOpenFile(GtkHost& host, int argc, char** argv) {
    std::vector<FileFilter> types;
    for (int i = 2; i + 1 < argc; i += 2) types.push_back({argv[i], {argv[i + 1]}});
    if (auto path = host.OpenFileDialog(0, types))
        std::printf("file %s\n", path->c_str());
    else
        std::printf("cancelled\n");
    return 0;
}

int RunBrowseFolder(GtkHost& host, const std::string& title) {
    if (auto path = host.BrowseFolder(0, title))
        std::printf("folder %s\n", path->c_str());
    else
        std::printf("cancelled\n");
    return 0;
}

int RunTray(GtkHost& host) {
    TrayIcon icon;
    icon.id = 0x466;
    icon.tip = "demo";
    icon.leftClick = [] { std::printf("left\n"); };
    icon.rightClick = [&host](Point at) {
        const std::vector<MenuItem> items{{99997, "first"}, {99998, "second"}, {99999, "third"}};
        std::printf("chose %u\n", host.PopupMenu(0, items, at));
    };
    std::printf("tray %d\n", host.AddTrayIcon(icon) ? 1 : 0);
    host.RunLoop([] { return true; });
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    auto host = GtkHost::Open();
    if (!host) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    SetCurrentHost(host.get());
    const std::string mode = argc >= 2 ? argv[1] : "";
    if (mode == "message-box") return RunMessageBox(*host, argc, argv);
    if (mode == "window" && argc >= 3) return RunWindow(*host, argv[2]);
    if (mode == "tray") return RunTray(*host);
    if (mode == "open-file" && argc >= 4) return RunOpenFile(*host, argc, argv);
    if (mode == "browse-folder" && argc >= 3) return RunBrowseFolder(*host, argv[2]);
    std::fprintf(stderr, "usage: %s message-box|window|open-file|browse-folder|tray ...\n",
                 argv[0]);
    return 2;
}
