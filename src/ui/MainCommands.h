#pragma once

#include <vector>

#include "platform/Host.h"
#include "wnd/WinTypes.h"

namespace lumora {

// The notification icon's id, which is also the wParam of its WM_TRAY_NOTIFY.
inline constexpr UINT kTrayIconId = 0x466;

// The tray menu's commands, posted back as WM_COMMAND with the id in wParam.
inline constexpr UINT ID_TRAY_HOME = 99997;
inline constexpr UINT ID_TRAY_CHECK_UPDATE = 99998;
inline constexpr UINT ID_TRAY_EXIT = 99999;

// The tray menu's items, in their order.
std::vector<MenuItem> TrayMenuItems();

// The program's name, by which the desktop knows its notification icon.
inline constexpr const char* kProgramName = "lumo";

// WM_PANEL_COMMAND's wParam values.
inline constexpr int kPanelSettings = 1;
inline constexpr int kPanelHomePage = 4;
inline constexpr int kPanelExit = -1;

// What the main window does for a tray command or a panel command.
enum class MainAction { None, Exit, PostHomePage, CheckForUpdate, OpenSettings, OpenHomePage };

// WM_COMMAND from the tray menu; other commands are none of its business.
MainAction TrayCommandAction(WPARAM wParam);
// WM_PANEL_COMMAND. Its wParam is read as a 32-bit int, so the exit value -1 counts at either
// width; anything wider is no command.
MainAction PanelCommandAction(WPARAM wParam);

}  // namespace lumora
