#include <gtest/gtest.h>

#include "ui/PopupPlacement.h"

namespace lumora {
namespace {

TEST(PopupPlacementTest, SettingsDialogSitsLeftOfAndAboveTheMainWindowCentre) {
    struct Case {
        Rect main;
        Rect settings;
    };
    const Case cases[] = {
        {Rect::FromXywh(100, 100, 900, 667), Rect::FromXywh(395, 253, 407, 389)},
        {Rect::FromXywh(0, 0, 901, 667), Rect::FromXywh(295, 153, 407, 389)},
        // Partly off the screen, and with odd sizes whose halves are truncated.
        {Rect::FromXywh(-500, -300, 900, 667), Rect::FromXywh(-205, -147, 407, 389)},
        {Rect::FromXywh(-11, -11, 11, 11), Rect::FromXywh(-161, -186, 407, 389)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsDialogRect(c.main), c.settings) << c.main.left << "," << c.main.top;
    }
}

TEST(PopupPlacementTest, PagesAndDropDowns) {
    EXPECT_EQ(PageRect({0, 0, 900, 667}), (Rect{1, 67, 899, 591}));
    // The picker above a button at 120, 616 (126 x 29) of a window at 10, 20.
    EXPECT_EQ(IntervalPickerRect(Rect::FromXywh(130, 636, 126, 29)),
              Rect::FromXywh(130, 456, 125, 180));
    EXPECT_EQ(MenuPanelRect({800, 30}), Rect::FromXywh(670, 30, 130, 140));
}

}  // namespace
}  // namespace lumora
