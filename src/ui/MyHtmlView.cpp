#include "ui/MyHtmlView.h"

#include "app/WebTarget.h"
#include "wnd/Messages.h"

namespace lumora {
namespace {

constexpr const char* kCaption = "Lumora";
constexpr const char* kWallpaperFailed = "壁纸设置失败";
constexpr const char* kFavouriteFailed = "壁纸收藏失败！";
// The page's answers after a picture was set as wallpaper or kept as a favourite.
constexpr const char* kWallpaperSetFunction = "TestFunc";
constexpr const char* kFavouriteKeptFunction = "SCCG";

}  // namespace

MyHtmlView::MyHtmlView(AppPorts& ports)
    : m_ports(ports),
      m_fetcher(
          ports.http, [this](const LibraryFetcher::Outcome& outcome) { LinkDone(outcome); },
          [this](bool busy) { SetBusy(busy); }) {}

MyHtmlView::~MyHtmlView() { m_fetcher.Abandon(); }

void MyHtmlView::OnGetHostInfo(HostInfo& info) {
    info.flags |= DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
}

void MyHtmlView::OnBeforeNavigate2(const std::string& url, bool& cancel) {
    std::optional<LibraryLink> link = LibraryLink::Parse(url);
    if (!link) return;
    cancel = true;
    m_fetcher.Take(*link);
}

void MyHtmlView::OnNewWindow(const std::string& url) { OpenWebTarget(m_ports.shell, url); }

void MyHtmlView::OnDestroy() {
    // The program is ending: a transfer under way is abandoned and leaves no file.
    m_fetcher.Abandon();
    HtmlView::OnDestroy();
}

void MyHtmlView::LinkDone(const LibraryFetcher::Outcome& outcome) {
    const bool wallpaper = outcome.link.kind == LibraryLink::Kind::Wallpaper;
    const bool done = !outcome.path.empty() && (!wallpaper || outcome.applied == 0);
    if (!done) {
        GetTopLevel()->MessageBox(wallpaper ? kWallpaperFailed : kFavouriteFailed, kCaption);
    } else {
        CallPageFunction(wallpaper ? kWallpaperSetFunction : kFavouriteKeptFunction);
    }
    if (Wnd* page = GetParent()) page->PostMessage(WM_GALLERY_RELOAD, 0, 0);
}

}  // namespace lumora
