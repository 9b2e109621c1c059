// Captioned image buttons: the tab caption rule by code page 936 length, caption colours, the
// styles that ignore the mouse, the pop-up button's leave message and premultiplication.
#include "SkinTestFrame.h"
#include "skin/BTButton.h"

namespace lumora {
namespace {

class BTButtonTest : public SkinTest {
protected:
    static constexpr std::uint32_t kGrey = Rgb(100, 100, 100);
    static constexpr std::uint32_t kLight = Rgb(220, 220, 220);
    std::string grey = Solid("grey.png", 100, 100, 100);
    std::string light = Solid("light.png", 220, 220, 220);

    // A 123 x 30 button at (10, 10) of the frame, as the tabs are.
    void Place(BTButton& button, const std::string& caption, int width = 123, int height = 30) {
        button.Create(caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                      Rect::FromXywh(10, 10, width, height), &frame, 1005);
    }
    Rect Area(int width = 123, int height = 30) const {
        return Rect::FromXywh(10, 10, width, height);
    }
};

TEST_F(BTButtonTest, TabCaptionsAreDrawnOnlyForSixOrEightBytes) {
    struct Case {
        const char* caption;
        int startX;  // -1: no caption
    };
    const Case cases[] = {
        {"壁纸库", 123 / 2},         // 6 bytes
        {"我的壁纸", 123 * 5 / 12},  // 8 bytes
        {"abcdef", 123 / 2},         // 6 bytes of ASCII
        {"壁纸", -1},                // 4 bytes
        {"壁纸库壁纸", -1},          // 10 bytes
        {"", -1},
    };
    for (const Case& c : cases) {
        BTButton button;
        button.style = BTS_TAB;
        button.drawImages = true;
        button.SetImages(grey, light);
        Place(button, c.caption);
        // The image always draws, one pixel narrower than the button.
        EXPECT_EQ(PixelAt(10, 10), kGrey) << c.caption;
        EXPECT_EQ(PixelAt(10 + 121, 10 + 29), kGrey) << c.caption;
        EXPECT_EQ(PixelAt(10 + 122, 10), Ground()) << c.caption;

        Rect ink = InkBox(Rect::FromXywh(10, 10, 122, 30), kGrey);
        if (c.startX < 0) {
            EXPECT_TRUE(ink.IsEmpty()) << c.caption;
        } else {
            ASSERT_FALSE(ink.IsEmpty()) << c.caption;
            EXPECT_GE(ink.left, 10 + c.startX) << c.caption;
            EXPECT_LE(ink.left, 10 + c.startX + 3) << c.caption;
            EXPECT_GE(ink.top, 10 + 30 / 4) << c.caption;
        }
    }
}

TEST_F(BTButtonTest, CaptionColoursFollowTheActiveState) {
    struct Case {
        int style;
        bool hover;  // the mouse rests on the button
        int selected;
        std::uint32_t text;
    };
    const Case cases[] = {
        {BTS_TAB, false, 0, Rgb(255, 255, 255)},
        {BTS_TAB, true, 0, Rgb(0, 0, 0)},
        {BTS_TAB, false, 1, Rgb(0, 0, 0)},
        {BTS_PANEL_ITEM, false, 0, Rgb(0, 0, 0)},
        {BTS_PANEL_ITEM, true, 0, Rgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        BTButton button;
        button.style = c.style;
        button.drawImages = true;
        button.selected = c.selected;
        // Both images mid grey, so that either caption colour shows.
        button.SetImages(Solid("mid.png", 128, 128, 128), Solid("mid.png", 128, 128, 128));
        Place(button, "壁纸库");
        if (c.hover) host.MoveTo(At(20, 20));
        EXPECT_TRUE(Near(Strongest(Area(), Rgb(128, 128, 128)), c.text))
            << "style " << c.style << " hover " << c.hover << " selected " << c.selected;
        host.MoveTo(At(300, 250));
    }
}

TEST_F(BTButtonTest, ToggleAndPopupIgnoreTheMouseAndFollowTheirOwner) {
    for (int style : {BTS_TOGGLE, BTS_POPUP}) {
        BTButton button;
        button.style = style;
        button.drawImages = true;
        button.SetImages(grey, light);
        Place(button, "");
        host.MoveTo(At(20, 20));
        host.MoveTo(At(21, 20));
        EXPECT_EQ(button.hovered, 0) << style;
        EXPECT_EQ(PixelAt(12, 12), kGrey) << style;

        button.selected = 1;
        button.Invalidate();
        EXPECT_EQ(PixelAt(12, 12), kLight) << style;
        button.selected = 0;
        button.hovered = 1;
        button.Invalidate();
        host.MoveTo(At(300, 250));  // leaving does not clear the owner's hover
        EXPECT_EQ(button.hovered, 1) << style;
        EXPECT_EQ(PixelAt(12, 12), kLight) << style;
        host.MoveTo(At(300, 250));
    }
}

TEST_F(BTButtonTest, PopupPostsOneLeaveMessagePerLeaveWhateverItsImages) {
    for (bool withImages : {true, false}) {
        frame.popupLeaves = 0;
        BTButton button;
        button.style = BTS_POPUP;
        button.drawImages = true;
        if (withImages)
            button.SetImages(grey, light);
        else
            button.SetImages(Missing("a.png"), Missing("b.png"));
        Place(button, "每三分钟");
        for (int round = 1; round <= 3; ++round) {
            for (int x = 15; x < 60; x += 5) host.MoveTo(At(x, 20));
            host.MoveTo(At(300, 250));
            EXPECT_EQ(frame.popupLeaves, round) << withImages;
        }
    }
}

TEST_F(BTButtonTest, OnlyThePopupStyleTellsItsParentAboutLeaving) {
    for (int style : {BTS_TAB, BTS_TOGGLE, BTS_MENU_ITEM, BTS_PANEL_ITEM}) {
        frame.popupLeaves = 0;
        BTButton button;
        button.style = style;
        Place(button, "");
        host.MoveTo(At(20, 20));
        host.MoveTo(At(300, 250));
        EXPECT_EQ(frame.popupLeaves, 0) << style;
    }
}

TEST_F(BTButtonTest, ToggleAndPopupImagesArePremultipliedTheOthersAreNot) {
    frame.ground = RGB(0, 0, 0);
    frame.Invalidate();
    std::string half = Solid("half.png", 200, 100, 50, 128);
    struct Case {
        int style;
        std::uint32_t over;
    };
    // Over black, a premultiplied image shows its premultiplied colour, an image drawn as
    // loaded shows its straight colour.
    const Case cases[] = {
        {BTS_TOGGLE, Rgb(100, 50, 25)},
        {BTS_POPUP, Rgb(100, 50, 25)},
        {BTS_TAB, Rgb(200, 100, 50)},
        {BTS_PANEL_ITEM, Rgb(200, 100, 50)},
    };
    for (const Case& c : cases) {
        BTButton button;
        button.style = c.style;
        button.drawImages = true;
        button.SetImages(half, half);
        Place(button, "");
        EXPECT_EQ(PixelAt(12, 12), c.over) << c.style;
    }
}

TEST_F(BTButtonTest, MenuItemFillsWhileHoveredAndDrawsNoImage) {
    frame.ground = RGB(255, 255, 255);
    frame.Invalidate();
    BTButton button;
    button.style = BTS_MENU_ITEM;
    button.SetImages(grey, light);
    Place(button, "每小时", 117, 20);
    EXPECT_EQ(PixelAt(11, 11), Rgb(255, 255, 255));
    Rect ink = InkBox(Area(117, 20), Rgb(255, 255, 255));
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.left, 10 + 117 / 8);
    EXPECT_GE(ink.top, 10 + 3);

    host.MoveTo(At(20, 20));
    EXPECT_EQ(PixelAt(11, 11), Rgb(0xF8, 0xF8, 0xF6));
    EXPECT_EQ(PixelAt(10 + 116, 10 + 19), Rgb(0xF8, 0xF8, 0xF6));  // the whole button
    host.MoveTo(At(300, 250));
    EXPECT_EQ(PixelAt(11, 11), Rgb(255, 255, 255));
}

TEST_F(BTButtonTest, MissingImagesLeaveTheCaption) {
    BTButton button;
    button.style = BTS_PANEL_ITEM;
    button.drawImages = true;
    button.SetImages(Missing("a.png"), light);
    Place(button, "退出", 127, 26);
    EXPECT_EQ(PixelAt(11, 11), Ground());
    EXPECT_FALSE(InkBox(Area(127, 26), Ground()).IsEmpty());
    host.MoveTo(At(20, 20));
    EXPECT_EQ(PixelAt(11, 11), kLight);
}

}  // namespace
}  // namespace lumora
