// The interval picker and the menu panel as the main window opens them: entries and items,
// picks and commands, and when the mouse closes them.
#include "ClmDlgTestFrame.h"
#include "app/ConfigKeys.h"

namespace lumora {
namespace {

class DropDownTest : public ClmDlgTest {
protected:
    Point Centre(const Rect& r) const { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    int AutoTime() const { return Conf().ReadInt(kKeyAutoTime, -1); }
    // The running rotation timer's period and due time; the main window has no other timer.
    HeadlessHost::TimerState RotationTimer() const {
        std::vector<HeadlessHost::TimerState> timers = host.RunningTimers();
        EXPECT_EQ(timers.size(), 1u);
        return timers.empty() ? HeadlessHost::TimerState{0, 0} : timers.front();
    }
    TimeDLG& OpenPicker() {
        ClickControl(kIdInterval);
        return PartOf<TimeDLG>(*dlg);
    }
    // A point of the picker's own background, left of the entries.
    Point PickerBackground() const {
        Rect picker = PartOf<TimeDLG>(*dlg).GetWindowRect();
        return {picker.left + 1, picker.top + 60};
    }
};

TEST_F(DropDownTest, PickerListsTheIntervalTableInItsEntries) {
    TimeDLG& picker = PartOf<TimeDLG>(Open());
    for (int i = 0; i < kIntervalEntries; ++i) {
        BTButton& entry = picker.Entry(i);
        EXPECT_EQ(entry.GetDlgCtrlID(), kIdFirstInterval + i);
        EXPECT_EQ(entry.GetWindowText(), Rotation::IntervalFor(i).caption) << i;
        EXPECT_EQ(entry.style, BTS_MENU_ITEM);
        EXPECT_EQ(entry.RectInParent(), Rect::FromXywh(3, 5 + 25 * i, 117, 20)) << i;
    }
}

TEST_F(DropDownTest, PickStoresTheIntervalAndRestartsTheTimerEvenWithRotationOff) {
    WriteConfig("AUTO=0\nAUTOTIME=1\n");
    ClmDlg& w = Open();
    EXPECT_TRUE(host.RunningTimers().empty());
    const int everyDay = 6;

    TimeDLG& picker = OpenPicker();
    host.Click(Centre(picker.Entry(everyDay).GetWindowRect()));
    EXPECT_FALSE(picker.IsVisibleFlag());
    EXPECT_EQ(AutoTime(), everyDay);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdInterval).GetWindowText(), "每天");
    EXPECT_EQ(ControlOf<BTButton>(w, kIdInterval).hovered, 0);
    EXPECT_EQ(ControlOf<BTButton>(w, kIdRotation).selected, 0);  // rotation stays off
    EXPECT_EQ(RotationTimer().period, 86400000u);
    EXPECT_EQ(RotationTimer().due, host.Now() + 86400000u);

    // The interval that already runs, picked again, starts its countdown anew.
    host.Advance(5000);
    OpenPicker();
    host.Click(Centre(picker.Entry(everyDay).GetWindowRect()));
    EXPECT_EQ(RotationTimer().period, 86400000u);
    EXPECT_EQ(RotationTimer().due, host.Now() + 86400000u);
}

TEST_F(DropDownTest, LeavingTheIntervalButtonUpwardsKeepsThePickerSidewaysClosesIt) {
    ClmDlg& w = Open();
    Rect button = ControlOf<BTButton>(w, kIdInterval).GetWindowRect();
    TimeDLG& picker = OpenPicker();
    host.MoveTo(Centre(button));
    host.MoveTo({button.left + 20, button.top - 3});
    EXPECT_TRUE(picker.IsVisibleFlag());

    host.MoveTo(Centre(button));
    host.MoveTo({button.right + 30, button.top + 10});
    EXPECT_FALSE(picker.IsVisibleFlag());
    EXPECT_EQ(AutoTime(), -1);
}

TEST_F(DropDownTest, LeavingThePickerClosesItAndTheButtonStaysPressed) {
    ClmDlg& w = Open();
    Rect button = ControlOf<BTButton>(w, kIdInterval).GetWindowRect();
    const Point inButton{button.left + 100, button.top + 5};
    const std::uint32_t atRest = host.Pixel(w.GetSurface(), w.ScreenToClient(inButton));
    struct Exit {
        const char* edge;
        Point to;
    };
    TimeDLG& picker = PartOf<TimeDLG>(w);
    for (int i = 0; i < 3; ++i) {
        OpenPicker();
        Rect r = picker.GetWindowRect();
        const Exit exits[] = {{"top", {r.left + 1, r.top - 2}},
                              {"left", {r.left - 2, r.top + 60}},
                              {"right", {r.right + 1, r.top + 60}}};
        const Exit& exit = exits[i];
        host.MoveTo(PickerBackground());
        EXPECT_TRUE(picker.Tracking()) << exit.edge;
        EXPECT_EQ(host.Find(picker.GetSurface())->cursor, CursorShape::Hand) << exit.edge;
        // Onto an entry and back: the leave notice comes, the cursor is inside, it stays.
        host.MoveTo(Centre(picker.Entry(3).GetWindowRect()));
        EXPECT_TRUE(picker.IsVisibleFlag()) << exit.edge;
        EXPECT_FALSE(picker.Tracking()) << exit.edge;
        host.MoveTo(PickerBackground());
        host.MoveTo(exit.to);
        EXPECT_FALSE(picker.IsVisibleFlag()) << exit.edge;
        EXPECT_EQ(ControlOf<BTButton>(w, kIdInterval).hovered, 1) << exit.edge;
    }
    EXPECT_EQ(AutoTime(), -1);
    host.MoveTo({10, 10});
    EXPECT_NE(host.Pixel(w.GetSurface(), w.ScreenToClient(inButton)), atRest)
        << "time_btn_press.png should still show";
}

TEST_F(DropDownTest, PanelItemsAndRegion) {
    PPSET& panel = PartOf<PPSET>(Open());
    for (const PanelItem& item : kPanelItems) {
        auto* button = dynamic_cast<BTButton*>(panel.GetDlgItem(item.id));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->style, BTS_PANEL_ITEM);
        EXPECT_TRUE(button->drawImages);
        EXPECT_EQ(button->RectInParent(), item.rect);
    }
    EXPECT_EQ(panel.GetDlgItem(kIdPanelTitle)->GetWindowText(), "Lumora");
    // Cut once to the template's size (85 x 96 units), larger than the 130 x 140 it shows at.
    const Size made{panel.Units().ToPixelsX(panel.Template().cx),
                    panel.Units().ToPixelsY(panel.Template().cy)};
    EXPECT_EQ(made.width, 149);
    EXPECT_EQ(panel.GetWindowRgn(), (RoundRect{Rect{0, 0, made.width, made.height}, 5, 5}));
}

TEST_F(DropDownTest, PanelCommands) {
    ClmDlg& w = Open();
    PPSET& panel = PartOf<PPSET>(w);
    auto openPanel = [&] {
        ClickControl(kIdMenu);
        EXPECT_TRUE(panel.IsVisibleFlag());
    };
    auto click = [&](int id) { host.Click(Centre(panel.GetDlgItem(id)->GetWindowRect())); };

    openPanel();
    click(kIdPanelSettings);
    EXPECT_FALSE(panel.IsVisibleFlag());
    EXPECT_TRUE(PartOf<Setting>(w).IsVisibleFlag());
    PartOf<Setting>(w).ShowWindow(SW_HIDE);

    openPanel();
    click(kIdPanelHomePage);
    EXPECT_FALSE(panel.IsVisibleFlag());
    EXPECT_EQ(shell.openedUrls, std::vector<std::string>{kHome});

    openPanel();
    click(kIdPanelExit);
    EXPECT_EQ(Operations().back(), "exit");
    EXPECT_FALSE(Visible());
    EXPECT_TRUE(panel.IsVisibleFlag());
}

TEST_F(DropDownTest, PanelClosesOnlyWhenItsOwnBackgroundIsLeft) {
    ClmDlg& w = Open();
    PPSET& panel = PartOf<PPSET>(w);
    ClickControl(kIdMenu);
    Rect r = panel.GetWindowRect();
    const Point background{r.left + 60, r.top + 30};
    const Point item = Centre(ControlOf<BTButton>(panel, kIdPanelSettings).GetWindowRect());
    const Point outside{r.right + 20, r.top + 58};

    // Opened with the cursor just right of it: nothing closes it before the mouse comes in.
    host.MoveTo({r.right + 5, r.top + 5});
    EXPECT_TRUE(panel.IsVisibleFlag());

    host.MoveTo(background);
    host.MoveTo(item);
    host.MoveTo(background);
    EXPECT_TRUE(panel.IsVisibleFlag());

    // Straight out of an item: the panel had its leave notice when the item was entered.
    host.MoveTo(item);
    host.MoveTo(outside);
    EXPECT_TRUE(panel.IsVisibleFlag());
    EXPECT_EQ(ControlOf<BTButton>(panel, kIdPanelSettings).hovered, 0);

    host.MoveTo(background);
    host.MoveTo(outside);
    EXPECT_FALSE(panel.IsVisibleFlag());
}

}  // namespace
}  // namespace lumora
