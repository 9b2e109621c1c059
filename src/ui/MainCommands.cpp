#include "ui/MainCommands.h"

#include <cstdint>

namespace lumora {

std::vector<MenuItem> TrayMenuItems() {
    return {
        {ID_TRAY_HOME, "更多桌面壁纸"}, {ID_TRAY_CHECK_UPDATE, "检查更新"}, {ID_TRAY_EXIT, "退出"}};
}

MainAction TrayCommandAction(WPARAM wParam) {
    switch (wParam) {
        case ID_TRAY_EXIT:
            return MainAction::Exit;
        case ID_TRAY_HOME:
            return MainAction::PostHomePage;
        case ID_TRAY_CHECK_UPDATE:
            return MainAction::CheckForUpdate;
        default:
            return MainAction::None;
    }
}

MainAction PanelCommandAction(WPARAM wParam) {
    if (static_cast<std::uint64_t>(wParam) > UINT32_MAX &&
        static_cast<std::intptr_t>(wParam) != -1) {
        return MainAction::None;
    }
    switch (static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam))) {
        case kPanelSettings:
            return MainAction::OpenSettings;
        case kPanelHomePage:
            return MainAction::OpenHomePage;
        case kPanelExit:
            return MainAction::Exit;
        default:
            return MainAction::None;
    }
}

}  // namespace lumora
