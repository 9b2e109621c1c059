#include <gtest/gtest.h>

#include <cstdint>

#include "ui/MainCommands.h"

namespace lumora {
namespace {

TEST(MainCommandsTest, TrayAndPanelCommands) {
    EXPECT_EQ(TrayCommandAction(ID_TRAY_EXIT), MainAction::Exit);
    EXPECT_EQ(TrayCommandAction(ID_TRAY_HOME), MainAction::PostHomePage);
    EXPECT_EQ(TrayCommandAction(ID_TRAY_CHECK_UPDATE), MainAction::CheckForUpdate);
    // A button click of the window is no tray command, even where its low word would match.
    EXPECT_EQ(TrayCommandAction(1002), MainAction::None);
    EXPECT_EQ(TrayCommandAction(ID_TRAY_EXIT & 0xFFFF), MainAction::None);

    struct Case {
        WPARAM wParam;
        MainAction action;
    };
    const Case cases[] = {
        {1, MainAction::OpenSettings},
        {4, MainAction::OpenHomePage},
        {static_cast<WPARAM>(-1), MainAction::Exit},
        {0xFFFFFFFFu, MainAction::Exit},
        {0, MainAction::None},
        {2, MainAction::None},
        {3, MainAction::None},
        {0x100000001ull, MainAction::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PanelCommandAction(c.wParam), c.action) << c.wParam;
    }
}

}  // namespace
}  // namespace lumora
