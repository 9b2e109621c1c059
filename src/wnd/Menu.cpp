#include "wnd/Menu.h"

#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

void Menu::AppendMenu(UINT id, const std::string& text) { m_items.push_back({id, text}); }

UINT Menu::TrackPopupMenu(Point screen, Wnd& owner) const {
    if (!owner.IsWindow()) return 0;
    const HWND hwnd = owner.GetSafeHwnd();
    const UINT chosen =
        WindowSystem::Get().GetHost().PopupMenu(owner.GetSurface(), m_items, screen);
    // The owner may be gone once the menu returns.
    if (chosen != 0 && Wnd::FromHandle(hwnd) == &owner) owner.PostMessage(WM_COMMAND, chosen, 0);
    return chosen;
}

}  // namespace lumora
