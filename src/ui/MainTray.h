#pragma once

#include <string>

#include "ui/NotificationIcon.h"
#include "wnd/WinTypes.h"

namespace lumora {

class Wnd;

// The main window's life in the notification area: hiding to the icon and coming back, the
// icon's menu, and the automatic hiding of a window started at logon.
class MainTray {
public:
    MainTray(Wnd& window, std::string iconPath);

    // Hides the window and shows the icon (once: a second add leaves the first icon). Where the
    // desktop has no notification area the window is iconified instead, so that its task bar
    // entry still leads back to it; that entry is then the way back, so the window no longer
    // hides by itself.
    void Hide();
    // WM_TRAY_NOTIFY: a left click restores the window, a right click opens the icon's menu.
    void OnNotify(WPARAM wParam, LPARAM lParam);
    // WM_NCPAINT: answers true when the window hid itself because the program was not started
    // from its own directory and the user has not restored it from the icon yet.
    bool HideAtStart(const std::string& currentDirectory, const std::string& applicationDirectory);
    // The destroy handler's part: the icon goes.
    void RemoveIcon();

    int StartHidden() const { return m_startHidden; }
    bool IconShown() const { return m_iconShown; }

private:
    void Restore();
    void ShowMenu();

    Wnd& m_window;
    NotificationIcon m_icon;
    int m_startHidden = 1;
    bool m_iconShown = false;
};

}  // namespace lumora
