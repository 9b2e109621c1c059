#include "ui/NotificationIcon.h"

#include "platform/Host.h"
#include "ui/MainCommands.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

NotificationIcon::NotificationIcon(Wnd& window, std::string iconPath, std::vector<MenuItem> menu)
    : m_window(window), m_iconPath(std::move(iconPath)), m_menu(std::move(menu)) {}

bool NotificationIcon::Add() {
    TrayIcon icon;
    icon.id = kTrayIconId;
    icon.tip = "Lumora";
    icon.iconPath = m_iconPath;
    icon.leftClick = [this] { Notify(WM_LBUTTONUP); };
    icon.rightClick = [this](Point screen) {
        m_menuPoint = screen;
        Notify(WM_RBUTTONUP);
    };
    icon.menu = m_menu;
    icon.menuCommand = [this](unsigned id) { Command(id); };
    icon.appName = kProgramName;
    return WindowSystem::Get().GetHost().AddTrayIcon(icon);
}

bool NotificationIcon::Delete() {
    return WindowSystem::Get().GetHost().DeleteTrayIcon(kTrayIconId);
}

void NotificationIcon::Notify(UINT mouseMessage) {
    if (m_window.IsWindow()) {
        m_window.PostMessage(WM_TRAY_NOTIFY, kTrayIconId, static_cast<LPARAM>(mouseMessage));
    }
}

// As the window's own popup menu reports the choice.
void NotificationIcon::Command(UINT id) {
    if (m_window.IsWindow()) m_window.PostMessage(WM_COMMAND, id, 0);
}

}  // namespace lumora
