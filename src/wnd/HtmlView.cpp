#include "wnd/HtmlView.h"

#include "wnd/WindowSystem.h"

namespace lumora {

HtmlView::HtmlView() = default;

HtmlView::~HtmlView() { DestroyWindow(); }

void HtmlView::OnCreated() {
    WebViewOptions options;
    options.beforeNavigate = [this](const std::string& url) {
        bool cancel = false;
        OnBeforeNavigate2(url, cancel);
        return cancel;
    };
    options.loaded = [this](const std::string& url) { OnDocumentComplete(url); };
    options.newWindow = [this](const std::string& url) { OnNewWindow(url); };
    m_native = WindowSystem::Get().GetHost().CreateWebView(GetSurface(), options);
    HostInfo info;
    OnGetHostInfo(info);
    m_native->SetScrollBarsHidden((info.flags & DOCHOSTUIFLAG_SCROLL_NO) != 0);
    OnPlacementChanged();
}

void HtmlView::OnReleased() { m_native.reset(); }

void HtmlView::Navigate(const std::string& url) {
    if (m_native) m_native->Navigate(url);
}

void HtmlView::CallPageFunction(const std::string& name) {
    if (m_native) m_native->CallFunction(name);
}

void HtmlView::SetSilent(bool silent) {
    if (m_native) m_native->SetSilent(silent);
}

void HtmlView::SetBusy(bool busy) {
    if (m_native) m_native->SetBusy(busy);
}

void HtmlView::OnBeforeNavigate2(const std::string&, bool&) {}

void HtmlView::OnDocumentComplete(const std::string&) {}

void HtmlView::OnNewWindow(const std::string&) {}

}  // namespace lumora
