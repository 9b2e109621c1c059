#pragma once

#include <string>
#include <vector>

#include "platform/Host.h"
#include "wnd/WinTypes.h"

namespace lumora {

class Wnd;

// The main window's icon in the notification area. Its clicks come back to the window as
// WM_TRAY_NOTIFY posted with the icon id and the mouse message, so the window handles them in
// its message order like any other event. Where the notification area shows the icon's menu
// itself, the chosen item comes back as the WM_COMMAND that the window's own menu posts.
class NotificationIcon {
public:
    // `window` receives the clicks; `iconPath` is the picture the icon shows; `menu` the items
    // a notification area that shows menus itself offers.
    NotificationIcon(Wnd& window, std::string iconPath, std::vector<MenuItem> menu);

    // Adds the icon; fails (and changes nothing) when it is there already or the desktop has
    // no notification area.
    bool Add();
    // Removes the icon; without effect when none was added.
    bool Delete();

    // Where the last right click on the icon asked for its menu (screen pixels).
    Point MenuPoint() const { return m_menuPoint; }

private:
    void Notify(UINT mouseMessage);
    void Command(UINT id);

    Wnd& m_window;
    std::string m_iconPath;
    std::vector<MenuItem> m_menu;
    Point m_menuPoint;
};

}  // namespace lumora
