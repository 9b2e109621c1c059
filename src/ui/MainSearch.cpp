#include "ui/MainSearch.h"

#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/WebTarget.h"
#include "platform/Shell.h"
#include "ui/SearchKeyword.h"
#include "wnd/Wnd.h"

namespace lumora {

MainSearch::MainSearch(Shell& shell, std::string configPath)
    : m_shell(shell), m_configPath(std::move(configPath)) {}

void MainSearch::FocusIn(Wnd& box) const {
    if (box.GetWindowText() == kPlaceholder) box.SetWindowText("");
}

void MainSearch::FocusOut(Wnd& box) const {
    if (box.GetWindowText().empty()) box.SetWindowText(kPlaceholder);
}

void MainSearch::SearchButton(Wnd& owner, const std::string& text) const {
    if (text == kPlaceholder || text.empty()) {
        // A window box without a caption of its own: it carries the application name.
        owner.MessageBox("请输入关键词！");
        return;
    }
    Run(text);
}

void MainSearch::Run(const std::string& keyword) const {
    std::string prefix = Config(m_configPath).ReadString(kKeySearchUrl, kDefaultSearchUrl);
    // The prefix comes from the settings file, so it must name a web page like the other
    // pages the program opens.
    OpenWebTarget(m_shell, SearchPageUrl(prefix, keyword));
}

}  // namespace lumora
