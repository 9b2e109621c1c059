#pragma once

#include <memory>
#include <string>

#include "wnd/NativeChild.h"

namespace lumora {

// A window that shows web pages: the host's web view placed over the window's rectangle.
// Every navigation, frames included, passes OnBeforeNavigate2 first, which may cancel it.
class HtmlView : public NativeChild {
public:
    HtmlView();
    ~HtmlView() override;

    void Navigate(const std::string& url);
    // Calls the current page's script function `name` without arguments, if the page has it.
    void CallPageFunction(const std::string& name);
    // Script dialogs and error pages are suppressed.
    void SetSilent(bool silent);
    // The pointer over the view shows that the program is busy.
    void SetBusy(bool busy);
    NativeWebView* Native() const { return m_native.get(); }

    // Flags of the browser host information.
    static constexpr DWORD DOCHOSTUIFLAG_NO3DBORDER = 0x4;
    static constexpr DWORD DOCHOSTUIFLAG_SCROLL_NO = 0x8;
    struct HostInfo {
        DWORD flags = 0;
    };

protected:
    // Asked once, when the view is made: flags for the view's look.
    virtual void OnGetHostInfo(HostInfo& /*info*/) {}
    virtual void OnBeforeNavigate2(const std::string& url, bool& cancel);
    virtual void OnDocumentComplete(const std::string& url);
    // The page asked for `url` in a new window, which the view never opens itself.
    virtual void OnNewWindow(const std::string& url);
    void OnCreated() override;
    void OnReleased() override;
    NativeWidget* Widget() const override { return m_native.get(); }

private:
    std::unique_ptr<NativeWebView> m_native;
};

}  // namespace lumora
