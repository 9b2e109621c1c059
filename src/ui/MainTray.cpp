#include "ui/MainTray.h"

#include "ui/MainCommands.h"
#include "wnd/Menu.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

MainTray::MainTray(Wnd& window, std::string iconPath)
    : m_window(window), m_icon(window, std::move(iconPath)) {}

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
    menu.AppendMenu(ID_TRAY_HOME, "更多桌面壁纸");
    menu.AppendMenu(ID_TRAY_CHECK_UPDATE, "检查更新");
    menu.AppendMenu(ID_TRAY_EXIT, "退出");
    // The chosen command comes back as a posted WM_COMMAND for the pre-translation.
    menu.TrackPopupMenu(GetCursorPos(), m_window);
}

}  // namespace lumora
