#include "ui/MainTray.h"

#include "ui/MainCommands.h"
#include "wnd/Menu.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

MainTray::MainTray(Wnd& window, std::string iconPath)
    : m_window(window), m_icon(window, std::move(iconPath), TrayMenuItems()) {}

void MainTray::Hide() {
    if (!m_iconShown) m_iconShown = m_icon.Add();
    if (m_iconShown) {
        m_window.ShowWindow(SW_HIDE);
        return;
    }
    m_startHidden = 0;
    WindowSystem::Get().GetHost().IconifySurface(m_window.GetSurface());
}

void MainTray::OnNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam != kTrayIconId) return;
    if (lParam == WM_LBUTTONUP) {
        Restore();
    } else if (lParam == WM_RBUTTONUP) {
        ShowMenu();
    }
}

bool MainTray::HideAtStart(const std::string& currentDirectory,
                           const std::string& applicationDirectory) {
    if (currentDirectory == applicationDirectory || m_startHidden <= 0) return false;
    Hide();
    return true;
}

void MainTray::RemoveIcon() {
    if (m_iconShown) m_icon.Delete();
    m_iconShown = false;
}

void MainTray::Restore() {
    m_window.ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    m_startHidden = 0;
    m_window.ShowWindow(SW_SHOWNORMAL);
    m_window.SetForegroundWindow();
}

void MainTray::ShowMenu() {
    Menu menu;
    for (const MenuItem& item : TrayMenuItems()) menu.AppendMenu(item.id, item.text);
    // The chosen command comes back as a posted WM_COMMAND for the pre-translation. The menu
    // opens where the click on the icon asked for it: the cursor on an X11 tray, the point
    // the panel names for a StatusNotifierItem.
    menu.TrackPopupMenu(m_icon.MenuPoint(), m_window);
}

}  // namespace lumora
