// Image buttons: fixed-size kinds, the split button's zones, broken buttons and the
// premultiplied stretch kind, read back pixel by pixel.
#include "SkinTestFrame.h"
#include "skin/BgButton.h"

namespace lumora {
namespace {

class BgButtonTest : public SkinTest {
protected:
    std::string red = Solid("red.png", 255, 0, 0);
    std::string green = Solid("green.png", 0, 255, 0);
    std::string blue = Solid("blue.png", 0, 0, 255);
    static constexpr std::uint32_t kRed = Rgb(255, 0, 0);
    static constexpr std::uint32_t kGreen = Rgb(0, 255, 0);
    static constexpr std::uint32_t kBlue = Rgb(0, 0, 255);

    void Place(BgButton& button, int x, int y, int width, int height, int id = 1000) {
        button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Rect::FromXywh(x, y, width, height),
                      &frame, id);
    }
};

TEST_F(BgButtonTest, FixedKindsDrawOnlyIntoTheirCornerWhateverTheButtonSize) {
    struct Case {
        int kind;
        int width;
        int height;
    };
    for (Case c : {Case{BGK_TITLE, 29, 23}, Case{BGK_DIALOG, 68, 25}, Case{BGK_BROWSE, 66, 25}}) {
        BgButton button;
        button.kind = c.kind;
        button.SetImages(red, green);
        Place(button, 10, 10, 90, 40);
        EXPECT_EQ(PixelAt(10, 10), kRed) << c.kind;
        EXPECT_EQ(PixelAt(10 + c.width - 1, 10 + c.height - 1), kRed) << c.kind;
        EXPECT_EQ(PixelAt(10 + c.width, 10), Ground()) << c.kind;
        EXPECT_EQ(PixelAt(10, 10 + c.height), Ground()) << c.kind;

        host.MoveTo(At(15, 15));
        EXPECT_EQ(PixelAt(10, 10), kGreen) << c.kind;
        EXPECT_EQ(PixelAt(10 + c.width, 10 + c.height), Ground()) << c.kind;
        host.MoveTo(At(300, 200));
        EXPECT_EQ(PixelAt(10, 10), kRed) << c.kind;
    }
}

TEST_F(BgButtonTest, KindOneButtonOf40By30PaintsOnlyItsTopLeft29By23) {
    BgButton button;
    button.kind = BGK_TITLE;
    button.SetImages(red, green);
    Place(button, 20, 20, 40, 30);
    for (int y = 20; y < 50; ++y) {
        for (int x = 20; x < 60; ++x) {
            bool inside = x < 20 + 29 && y < 20 + 23;
            ASSERT_EQ(PixelAt(x, y), inside ? kRed : Ground()) << x << "," << y;
        }
    }
}

TEST_F(BgButtonTest, SplitButtonFollowsItsZonesAndTheBandKeepsTheLastImage) {
    BgButton button;
    button.kind = BGK_SPLIT;
    button.SetSplitImages(red, green, blue);
    Place(button, 0, 100, 202, 32);
    struct Step {
        int x;  // from the button's left edge; -1: off the button
        std::uint32_t shown;
    };
    EXPECT_EQ(PixelAt(180, 120), kRed);  // not yet hovered
    const Step steps[] = {
        {0, kGreen},   {100, kGreen},  // left zone: x < 101
        {101, kGreen}, {150, kGreen},  // the band keeps the left image
        {151, kBlue},  {201, kBlue},   // right zone: x >= 151
        {120, kBlue},                  // the band keeps the right image
        {30, kGreen},  {-1, kRed},     // leaving shows the normal image
    };
    for (const Step& s : steps) {
        host.MoveTo(s.x < 0 ? At(300, 250) : At(s.x, 110));
        EXPECT_EQ(PixelAt(180, 120), s.shown) << "after moving to " << s.x;
    }
}

TEST_F(BgButtonTest, SplitZonesOfAWindowRectangle) {
    Rect window = Rect::FromXywh(1000, 50, 202, 32);
    struct Case {
        Point at;
        SplitZone zone;
    };
    const Case cases[] = {
        {{1000, 50}, SplitZone::Left},    {{1100, 81}, SplitZone::Left},
        {{1101, 60}, SplitZone::Between}, {{1150, 60}, SplitZone::Between},
        {{1151, 60}, SplitZone::Right},   {{1201, 60}, SplitZone::Right},
        {{1202, 60}, SplitZone::Outside}, {{1050, 82}, SplitZone::Outside},
        {{999, 60}, SplitZone::Outside},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BgButton::ZoneAt(window, c.at), c.zone) << c.at.x << "," << c.at.y;
}

TEST_F(BgButtonTest, MissingFilesBreakTheButtonForGood) {
    struct Case {
        const char* name;
        int kind;
        bool normalMissing;
    };
    for (Case c : {Case{"hover missing", BGK_TITLE, false}, Case{"normal missing", BGK_TITLE, true},
                   Case{"stretch, normal missing", BGK_STRETCH, true}}) {
        BgButton button;
        button.kind = c.kind;
        button.SetImages(c.normalMissing ? Missing("none.png") : red,
                         c.normalMissing ? green : Missing("none.png"));
        EXPECT_EQ(button.kind, BGK_BROKEN) << c.name;
        Place(button, 10, 10, 40, 30);
        host.MoveTo(At(15, 15));
        EXPECT_EQ(PixelAt(12, 12), Ground()) << c.name;

        // Valid files later do not mend it.
        button.SetImages(red, green);
        EXPECT_EQ(button.kind, BGK_BROKEN) << c.name;
        host.MoveTo(At(300, 250));
        EXPECT_EQ(PixelAt(12, 12), Ground()) << c.name;
    }
}

TEST_F(BgButtonTest, UndecodableFileLeavesOnlyItsStateUndrawn) {
    BgButton button;
    button.kind = BGK_TITLE;
    button.SetImages(Garbage("broken.png"), green);
    EXPECT_EQ(button.kind, BGK_TITLE);
    Place(button, 10, 10, 40, 30);
    EXPECT_EQ(PixelAt(12, 12), Ground());
    host.MoveTo(At(15, 15));
    EXPECT_EQ(PixelAt(12, 12), kGreen);
}

TEST_F(BgButtonTest, StretchKindBlendsItsPremultipliedImageOverTheWholeButton) {
    frame.ground = RGB(0, 0, 200);
    frame.Invalidate(true);
    BgButton button;
    button.kind = BGK_STRETCH;
    // Straight red at alpha 128: premultiplied 128, blended over blue 200 * 127 / 255.
    button.SetImages(Solid("half.png", 255, 0, 0, 128, 4, 4), Missing("none.png"));
    EXPECT_EQ(button.kind, BGK_STRETCH);
    Place(button, 10, 10, 31, 23);
    std::uint32_t blended = PixelAt(10 + 30, 10 + 22);
    EXPECT_NEAR(static_cast<int>(blended >> 16), 128, 1);
    EXPECT_NEAR(static_cast<int>(blended & 0xFF), 100, 1);
    host.MoveTo(At(20, 20));
    EXPECT_EQ(PixelAt(10 + 30, 10 + 22), blended);  // hover changes nothing
    EXPECT_EQ(PixelAt(10 + 31, 10), Ground());
}

TEST_F(BgButtonTest, KindNoneDrawsNothing) {
    BgButton button;
    button.SetImages(red, green);
    EXPECT_EQ(button.kind, BGK_NONE);
    Place(button, 10, 10, 40, 30);
    host.MoveTo(At(15, 15));
    EXPECT_EQ(PixelAt(12, 12), Ground());
}

}  // namespace
}  // namespace lumora
