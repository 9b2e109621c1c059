#pragma once

#include <string>

#include "wnd/WinTypes.h"

namespace lumora {

class Wnd;

// The main window's icon in the notification area. Its clicks come back to the window as
// WM_TRAY_NOTIFY posted with the icon id and the mouse message, so the window handles them in
// its message order like any other event.
class NotificationIcon {
public:
    // `window` receives the clicks; `iconPath` is the picture the icon shows.
    NotificationIcon(Wnd& window, std::string iconPath);

    // Adds the icon; fails (and changes nothing) when it is there already or the desktop has
    // no notification area.
    bool Add();
    // Removes the icon; without effect when none was added.
    bool Delete();

private:
    void Notify(UINT mouseMessage);

    Wnd& m_window;
    std::string m_iconPath;
};

}  // namespace lumora
