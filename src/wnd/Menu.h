#pragma once

#include <string>
#include <vector>

#include "platform/Host.h"
#include "wnd/WinTypes.h"

namespace lumora {

class Wnd;

// A popup menu of string items. Tracking shows it at a screen point; the chosen item comes
// back as a WM_COMMAND posted to the owner, as the system's popup menus report it.
class Menu {
public:
    void AppendMenu(UINT id, const std::string& text);
    const std::vector<MenuItem>& Items() const { return m_items; }
    // Answers the chosen id, 0 when the menu was dismissed.
    UINT TrackPopupMenu(Point screen, Wnd& owner) const;

private:
    std::vector<MenuItem> m_items;
};

}  // namespace lumora
