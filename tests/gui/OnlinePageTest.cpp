#include <cerrno>

#include "ClmDlgTestFrame.h"
#include "GalleryParts.h"
#include "platform/headless/HeadlessWebView.h"
#include "support/PictureFiles.h"
#include "ui/LMDialog.h"
#include "ui/PageDlg.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

// The main window with the online page, a loopback site that serves pictures under /w/, and
// the page's side played by the headless web view.
class OnlinePageTest : public ClmDlgTest {
protected:
    OnlinePageTest() {
        const fs::path pictures = dir / "site";
        fs::create_directory(pictures);
        test::WritePicture(pictures / "7.png", test::PatternImage(32, 18), "png");
        const std::string png = test::ReadFile(pictures / "7.png");
        server.On("/w/7.png", [png](const httplib::Request&, httplib::Response& response) {
            response.set_content(png, "image/png");
        });
        server.On("/w/8.png", [png](const httplib::Request&, httplib::Response& response) {
            response.set_content(png, "image/png");
        });
        server.Reply("/w/gone.png", "not here", 404);
    }

    HeadlessWebView& View() {
        if (!dlg) Open();
        HeadlessWebView* view = host.WebViews().at(0);
        view->pageFunctions = {"TestFunc", "SCCG"};
        return *view;
    }
    std::string Link(const std::string& prefix, const std::string& picture,
                     const std::string& name) const {
        return prefix + server.Url("/w/thumb_" + picture) + ">" + name;
    }
    // Requests for pictures, as their paths.
    std::vector<std::string> PictureRequests() const {
        std::vector<std::string> paths;
        for (const auto& r : server.Requests())
            if (r.path.starts_with("/w/")) paths.push_back(r.path);
        return paths;
    }
};

TEST_F(OnlinePageTest, TheViewFillsThePageAndReachesPastItsRightEdgeWithTheStartPageLoadedOnce) {
    ClmDlg& w = Open();
    host.RunUntilIdle();
    HeadlessWebView& view = View();
    const Wnd* viewWnd = PartOf<LMDialog>(w).GetDlgItem(kIdLibraryView);
    ASSERT_NE(viewWnd, nullptr);
    // The template's client size as it was at initialisation, before the main window placed
    // the page; the right part lies past the page.
    const Rect inPage = PartOf<LMDialog>(w).ScreenToClient(viewWnd->GetWindowRect());
    EXPECT_EQ(inPage, Rect::FromXywh(1, 0, 440 * 7 / 4 + 129, 307 * 14 / 8));
    EXPECT_GT(inPage.right, PartOf<LMDialog>(w).GetClientRect().right);
    EXPECT_EQ(view.rect.Width(), inPage.Width());
    EXPECT_TRUE(view.silent);
    EXPECT_TRUE(view.scrollBarsHidden);
    EXPECT_EQ(view.navigations,
              std::vector<std::string>{LUMO_SERVICE_ORIGIN "/kavri/lm/index.php?cid=1"});
    // Pages of the library navigate on their own; the program never navigates again.
    EXPECT_TRUE(view.FollowLink(LUMO_SERVICE_ORIGIN "/kavri/lm/index.php?cid=2&page=3"));
    host.RunUntilIdle();
    EXPECT_EQ(view.navigations.size(), 2u);
    EXPECT_TRUE(view.cancelled.empty());
}

TEST_F(OnlinePageTest, AWallpaperLinkIsCancelledFetchedAppliedAndAnsweredAfterTheTransfer) {
    HeadlessWebView& view = View();
    EXPECT_FALSE(view.FollowLink(Link("app:", "7.png", "A")));
    EXPECT_EQ(view.cancelled.size(), 1u);
    // The hook returned at once: the transfer waits for a worker, the pointer shows it.
    EXPECT_TRUE(PictureRequests().empty());
    EXPECT_TRUE(view.busy);
    EXPECT_TRUE(view.calls.empty());

    host.FinishBackgroundWork();
    EXPECT_EQ(PictureRequests(), std::vector<std::string>{"/w/7.png"});
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"A.png", "temp.bmp"}));
    ASSERT_EQ(host.desktop.calls.size(), 1u);
    EXPECT_EQ(host.desktop.calls[0].path, (Imgs() / "temp.bmp").string());
    EXPECT_EQ(host.desktop.calls[0].layout, kLayoutStretched);
    EXPECT_EQ(view.calls, std::vector<std::string>{"TestFunc"});
    EXPECT_FALSE(view.busy);
    EXPECT_TRUE(host.messageBoxes.empty());

    // The same link again applies the stored picture without a transfer.
    view.FollowLink(Link("app:", "7.png", "A"));
    host.FinishBackgroundWork();
    EXPECT_EQ(PictureRequests().size(), 1u);
    EXPECT_EQ(host.desktop.calls.size(), 2u);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"TestFunc", "TestFunc"}));
}

TEST_F(OnlinePageTest, FavouriteLinksRenameAStoredPictureOrFetchTheFavourite) {
    HeadlessWebView& view = View();
    fs::create_directory(Imgs());
    test::WriteFile(Imgs() / "A.png", "stored before");
    view.FollowLink(Link("sclm:", "7.png", "A"));
    view.FollowLink(Link("sclm:", "8.png", "B"));
    host.FinishBackgroundWork();
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"A_LMSC.png", "B_LMSC.png"}));
    EXPECT_EQ(test::ReadFile(Imgs() / "A_LMSC.png"), "stored before");
    EXPECT_EQ(PictureRequests(), std::vector<std::string>{"/w/8.png"});
    EXPECT_EQ(view.calls, (std::vector<std::string>{"SCCG", "SCCG"}));
    EXPECT_TRUE(host.desktop.calls.empty());

    // Already a favourite: nothing changes, the page still hears of it.
    view.FollowLink(Link("sclm:", "7.png", "A"));
    host.FinishBackgroundWork();
    EXPECT_EQ(view.calls.size(), 3u);
    EXPECT_EQ(PictureRequests().size(), 1u);
}

TEST_F(OnlinePageTest, LinksTakenDuringATransferRunInOrderAndAPictureIsNotFetchedTwiceAtOnce) {
    HeadlessWebView& view = View();
    view.FollowLink(Link("app:", "7.png", "A"));
    view.FollowLink(Link("app:", "7.png", "A"));  // a second click on the same button
    view.FollowLink(Link("sclm:", "7.png", "A"));
    view.FollowLink(Link("app:", "8.png", "B"));
    EXPECT_EQ(view.cancelled.size(), 4u);
    EXPECT_EQ(host.PendingBackgroundJobs(), 1u) << "one transfer at a time";

    ASSERT_TRUE(host.RunOneBackgroundJob());
    host.RunUntilIdle();
    EXPECT_EQ(view.calls, std::vector<std::string>{"TestFunc"});
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"A.png", "temp.bmp"}));
    EXPECT_TRUE(view.busy);

    host.FinishBackgroundWork();
    // The favourite link renamed what the wallpaper link had stored; B came last.
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"A_LMSC.png", "B.png", "temp.bmp"}));
    EXPECT_EQ(PictureRequests(), (std::vector<std::string>{"/w/7.png", "/w/8.png"}));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"TestFunc", "SCCG", "TestFunc"}));
    EXPECT_FALSE(view.busy);
}

TEST_F(OnlinePageTest, APictureThatCouldNotBeStoredIsReportedAndNothingIsApplied) {
    struct Case {
        std::string link;
        const char* message;
    };
    const std::string escape = "app:" + server.Url("/w/thumb_7.png") + ">../escape";
    const Case cases[] = {
        {Link("app:", "gone.png", "G"), "壁纸设置失败"},
        {Link("sclm:", "gone.png", "G"), "壁纸收藏失败！"},
        {"app:" + std::string("http://127.0.0.1:1/w/7.png") + ">N", "壁纸设置失败"},
        {"app:Sea", "壁纸设置失败"},  // no picture part at all
        {escape, "壁纸设置失败"},
        {"sclm:" + server.Url("/w/thumb_7.png") + ">a/b", "壁纸收藏失败！"},
    };
    HeadlessWebView& view = View();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        host.messageBoxes.clear();
        EXPECT_FALSE(view.FollowLink(c.link));
        host.FinishBackgroundWork();
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].text, c.message);
        EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
        EXPECT_EQ(host.messageBoxes[0].style, MessageBoxStyle{});
        EXPECT_EQ(host.messageBoxes[0].owner, dlg->GetSurface());
    }
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(host.desktop.calls.empty());
    EXPECT_TRUE(FolderFiles().empty());
    EXPECT_FALSE(fs::exists(dir / "escape.png"));
}

TEST_F(OnlinePageTest, AStoredPictureThatDoesNotBecomeTheWallpaperIsAFailureToo) {
    server.Reply("/w/page.png", "<html>a page, not a picture</html>");
    struct Case {
        const char* picture;
        int desktopStatus;
    };
    const Case cases[] = {{"page.png", 0}, {"7.png", EACCES}};
    HeadlessWebView& view = View();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        host.messageBoxes.clear();
        host.desktop.status = c.desktopStatus;
        view.FollowLink(Link("app:", c.picture, c.picture));
        host.FinishBackgroundWork();
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"壁纸设置失败"});
    }
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(OnlinePageTest, TheGalleryPageShownListsWhatALinkStored) {
    ClmDlg& w = Open();
    HeadlessWebView& view = View();
    PageDlg& all = AllPage(PartOf<SCDIALOG>(w));
    ASSERT_EQ(PartOf<SCDIALOG>(w).ShownPage(), &all);
    EXPECT_TRUE(all.Cards().empty());
    view.FollowLink(Link("app:", "7.png", "A"));
    view.FollowLink(Link("sclm:", "8.png", "B"));
    host.FinishBackgroundWork();
    EXPECT_EQ(all.Cards().size(), 2u) << "A and B, without a restart";
}

TEST_F(OnlinePageTest, PageFunctionsAreCalledOnlyWhereThePageDefinesThem) {
    HeadlessWebView& view = View();
    view.pageFunctions.clear();
    view.FollowLink(Link("app:", "7.png", "A"));
    view.FollowLink(Link("sclm:", "8.png", "B"));
    host.FinishBackgroundWork();
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"A.png", "B_LMSC.png", "temp.bmp"}));
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(OnlinePageTest, NewWindowsOpenInTheBrowserOnlyForWebPages) {
    HeadlessWebView& view = View();
    for (const char* url : {"http://site.test/about", "https://site.test/x?y=1"})
        EXPECT_TRUE(view.OpenInNewWindow(url));
    for (const char* url : {"file:///etc/passwd", "javascript:alert(1)", "ftp://site.test/"})
        EXPECT_TRUE(view.OpenInNewWindow(url));
    // A picture link in a new window is still the program's.
    EXPECT_FALSE(view.OpenInNewWindow(Link("app:", "7.png", "A")));
    EXPECT_EQ(shell.openedUrls,
              (std::vector<std::string>{"http://site.test/about", "https://site.test/x?y=1"}));
    host.FinishBackgroundWork();
    EXPECT_EQ(view.calls, std::vector<std::string>{"TestFunc"});
}

TEST_F(OnlinePageTest, TheExitPathAbandonsATransferAndLeavesNoFile) {
    HeadlessWebView& view = View();
    view.FollowLink(Link("app:", "7.png", "A"));
    dlg->ExitPath();
    host.FinishBackgroundWork();
    EXPECT_TRUE(FolderFiles().empty()) << "neither the picture nor a partial download";
    EXPECT_TRUE(host.desktop.calls.empty());
    EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
}  // namespace lumora
