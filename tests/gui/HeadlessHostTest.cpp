#include <gtest/gtest.h>

#include "platform/headless/HeadlessHost.h"

namespace lumora {
namespace {

TEST(HeadlessHostTest, MessageBoxesAnswerAsScriptedThenAsIfClosed) {
    HeadlessHost host;
    host.ScriptMessageBox(IDYES);
    EXPECT_EQ(host.MessageBox(0, "Update?", "Lumora", {BoxButtons::YesNo, BoxIcon::Question}),
              IDYES);
    struct Case {
        BoxButtons buttons;
        int closed;
    };
    for (const Case c : {Case{BoxButtons::Ok, IDOK}, Case{BoxButtons::OkCancel, IDCANCEL},
                         Case{BoxButtons::YesNo, IDNO}})
        EXPECT_EQ(host.MessageBox(0, "t", "c", {c.buttons}), c.closed) << int(c.buttons);
    ASSERT_EQ(host.messageBoxes.size(), 4u);
    EXPECT_EQ(host.messageBoxes[0].text, "Update?");
    EXPECT_EQ(host.messageBoxes[0].caption, "Lumora");
    EXPECT_EQ(host.messageBoxes[0].style, (MessageBoxStyle{BoxButtons::YesNo, BoxIcon::Question}));
}

TEST(HeadlessHostTest, ClockFiresTimersInTimeOrderAndStoppedTimersStayQuiet) {
    HeadlessHost host;
    std::vector<int> fired;
    host.StartTimer(30, [&] { fired.push_back(30); });
    const auto fast = host.StartTimer(20, [&] { fired.push_back(20); });
    host.Advance(60);
    // At 60 both are due: the one started first fires first.
    EXPECT_EQ(fired, (std::vector<int>{20, 30, 20, 30, 20}));
    host.StopTimer(fast);
    fired.clear();
    host.Advance(30);
    EXPECT_EQ(fired, (std::vector<int>{30}));
}

TEST(HeadlessHostTest, TrayIconAddFailsWhenPresentOrUnavailable) {
    HeadlessHost host;
    int lefts = 0;
    EXPECT_TRUE(host.AddTrayIcon({0x466, "Lumora", "", [&] { ++lefts; }, nullptr}));
    EXPECT_FALSE(host.AddTrayIcon({0x466, "Lumora", "", nullptr, nullptr}));
    host.ClickTrayIcon(0x466, MouseButton::Left);
    EXPECT_EQ(lefts, 1);
    EXPECT_TRUE(host.DeleteTrayIcon(0x466));
    EXPECT_FALSE(host.DeleteTrayIcon(0x466));
    host.trayAvailable = false;
    EXPECT_FALSE(host.AddTrayIcon({1, "x", "", nullptr, nullptr}));
    EXPECT_EQ(host.trayAdds, 1);
}

}  // namespace
}  // namespace lumora
