#pragma once

#include <string>

namespace lumora {

class Shell;
class Wnd;

// The search box of the main window: its placeholder, the search button's checks and the
// search page opened in the browser.
class MainSearch {
public:
    static constexpr const char* kPlaceholder = "找壁纸";

    // `configPath` is conf.ini, read for the search prefix at every search.
    MainSearch(Shell& shell, std::string configPath);

    // EN_SETFOCUS and EN_KILLFOCUS of the box.
    void FocusIn(Wnd& box) const;
    void FocusOut(Wnd& box) const;
    // The search button: with the placeholder or nothing in the box, asks for a keyword
    // (a message box of `owner`); otherwise searches.
    void SearchButton(Wnd& owner, const std::string& text) const;
    // Opens the search page for `keyword` as it is (Enter in the box comes here directly).
    void Run(const std::string& keyword) const;

private:
    Shell& m_shell;
    std::string m_configPath;
};

}  // namespace lumora
