#include "ui/NotificationIcon.h"

#include "platform/Host.h"
#include "ui/MainCommands.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

NotificationIcon::NotificationIcon(Wnd& window, std::string iconPath)
    : m_window(window), m_iconPath(std::move(iconPath)) {}

bool NotificationIcon::Add() {
    TrayIcon icon;
    icon.id = kTrayIconId;
    icon.tip = "Lumora";
    icon.iconPath = m_iconPath;
    icon.leftClick = [this] { Notify(WM_LBUTTONUP); };
    icon.rightClick = [this] { Notify(WM_RBUTTONUP); };
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

}  // namespace lumora
