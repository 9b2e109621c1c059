#include "platform/headless/HeadlessWebView.h"

#include "platform/headless/HeadlessHost.h"

namespace lumora {

HeadlessWebView::HeadlessWebView(HeadlessHost& host, SurfaceId s, WebViewOptions o)
    : surface(s), options(std::move(o)), m_host(host) {
    m_host.AddWebView(this);
}

HeadlessWebView::~HeadlessWebView() { m_host.RemoveWebView(this); }

void HeadlessWebView::Navigate(const std::string& url) {
    m_host.Defer([this, url] { FollowLink(url); }, this);
}

void HeadlessWebView::CallFunction(const std::string& name) {
    if (pageFunctions.count(name) != 0) calls.push_back(name);
}

bool HeadlessWebView::FollowLink(const std::string& url) {
    if (options.beforeNavigate && options.beforeNavigate(url)) {
        cancelled.push_back(url);
        return false;
    }
    currentUrl = url;
    navigations.push_back(url);
    if (options.loaded) options.loaded(url);
    return true;
}

bool HeadlessWebView::OpenInNewWindow(const std::string& url) {
    if (options.beforeNavigate && options.beforeNavigate(url)) {
        cancelled.push_back(url);
        return false;
    }
    if (options.newWindow) options.newWindow(url);
    return true;
}

}  // namespace lumora
