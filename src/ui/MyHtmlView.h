#pragma once

#include <string>

#include "app/ClmApp.h"
#include "ui/LibraryFetcher.h"
#include "wnd/HtmlView.h"

namespace lumora {

// The browser view of the online page. It watches every navigation of the library page and
// its frames: "app:" and "sclm:" links are cancelled and carried out by the program, which then
// answers the page through its script functions and tells the main window that the collection
// changed. Links for new windows open in the user's browser.
class MyHtmlView : public HtmlView {
public:
    explicit MyHtmlView(AppPorts& ports);
    ~MyHtmlView() override;

protected:
    void OnGetHostInfo(HostInfo& info) override;
    void OnBeforeNavigate2(const std::string& url, bool& cancel) override;
    void OnNewWindow(const std::string& url) override;
    void OnDestroy() override;

private:
    void LinkDone(const LibraryFetcher::Outcome& outcome);

    AppPorts& m_ports;
    LibraryFetcher m_fetcher;
};

}  // namespace lumora
