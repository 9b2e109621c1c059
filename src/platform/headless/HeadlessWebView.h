#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/headless/HeadlessWidget.h"

namespace lumora {

class HeadlessHost;

// A web view of the headless host: records navigations and script calls. A test plays the
// page's side: FollowLink is the page navigating, `pageFunctions` the functions it defines.
class HeadlessWebView : public HeadlessWidget<NativeWebView> {
public:
    HeadlessWebView(HeadlessHost& host, SurfaceId surface, WebViewOptions options);
    ~HeadlessWebView() override;

    // Like a real view, the hook sees the navigation later, from the loop.
    void Navigate(const std::string& url) override;
    void CallFunction(const std::string& name) override;
    void SetSilent(bool s) override { silent = s; }
    void SetScrollBarsHidden(bool hidden) override { scrollBarsHidden = hidden; }
    void SetBusy(bool b) override { busy = b; }

    // The page navigates to `url` now (a click on a link): the hook decides; answers whether the
    // navigation went ahead.
    bool FollowLink(const std::string& url);
    // The page asks for `url` in a new window; answers whether the view let it go to the
    // new-window handler.
    bool OpenInNewWindow(const std::string& url);

    SurfaceId surface;
    WebViewOptions options;
    bool silent = false;
    bool scrollBarsHidden = false;
    bool busy = false;
    std::string currentUrl;
    std::vector<std::string> navigations;  // every target that was not cancelled
    std::vector<std::string> cancelled;    // every target the hook cancelled
    std::set<std::string> pageFunctions;   // functions the current page defines
    std::vector<std::string> calls;        // calls of defined functions, in order

private:
    HeadlessHost& m_host;
};

}  // namespace lumora
