// Text links: caption and underline colours, pinned and unpinned, colour 0, and the hand cursor.
#include "SkinTestFrame.h"
#include "skin/ColorFromHex.h"
#include "skin/TButton.h"

namespace lumora {
namespace {

class TButtonTest : public SkinTest {
protected:
    TButtonTest() {
        frame.ground = RGB(255, 255, 255);
        frame.Invalidate();
    }
    static constexpr std::uint32_t kWhite = Rgb(255, 255, 255);
    static constexpr std::uint32_t kBlack = Rgb(0, 0, 0);
    static constexpr std::uint32_t kBlue = Rgb(75, 138, 241);
    static constexpr std::uint32_t kGrey = Rgb(211, 211, 211);

    void Place(TButton& button) {
        button.Create("收藏", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Rect::FromXywh(10, 10, 160, 32),
                      &frame, 1036);
    }
    std::uint32_t Caption() { return Strongest(Rect::FromXywh(10, 10, 160, 31), kWhite); }
    std::uint32_t Underline() {
        std::uint32_t left = PixelAt(10, 10 + 31);
        EXPECT_EQ(PixelAt(10 + 159, 10 + 31), left);
        return left;
    }
};

TEST_F(TButtonTest, ColoursAtRestOnHoverAndAfterLeaving) {
    struct Case {
        const char* name;
        ColorRef color;
        int mode;
        int pinned;
        std::uint32_t rest[2];  // caption, underline
        std::uint32_t hovered[2];
        std::uint32_t left[2];  // after the mouse left
    };
    const ColorRef blue = ColorFromHex("#4B8AF1");
    const Case cases[] = {
        {"unpinned", blue, TBM_NORMAL, 0, {kBlack, kGrey}, {kBlue, kBlue}, {kBlack, kGrey}},
        {"pinned", blue, TBM_HIGHLIGHT, 1, {kBlue, kBlue}, {kBlue, kBlue}, {kBlue, kBlue}},
        {"colour 0, highlighted",
         0,
         TBM_HIGHLIGHT,
         1,
         {kBlack, kBlack},
         {kBlack, kBlack},
         {kBlack, kBlack}},
        {"colour 0, unpinned",
         0,
         TBM_NORMAL,
         0,
         {kBlack, kGrey},
         {kBlack, kBlack},
         {kBlack, kGrey}},
    };
    for (const Case& c : cases) {
        TButton button;
        button.color = c.color;
        button.mode = c.mode;
        button.pinned = c.pinned;
        Place(button);
        EXPECT_TRUE(Near(Caption(), c.rest[0])) << c.name;
        EXPECT_EQ(Underline(), c.rest[1]) << c.name;
        host.MoveTo(At(80, 20));
        EXPECT_TRUE(Near(Caption(), c.hovered[0])) << c.name;
        EXPECT_EQ(Underline(), c.hovered[1]) << c.name;
        host.MoveTo(At(300, 250));
        EXPECT_TRUE(Near(Caption(), c.left[0])) << c.name;
        EXPECT_EQ(Underline(), c.left[1]) << c.name;
    }
}

TEST_F(TButtonTest, OwnerUnpinningReturnsToNormalOnTheNextLeave) {
    TButton button;
    button.color = ColorFromHex("#4B8AF1");
    button.mode = TBM_HIGHLIGHT;
    button.pinned = 1;
    Place(button);
    host.MoveTo(At(80, 20));
    button.pinned = 0;
    host.MoveTo(At(300, 250));
    EXPECT_EQ(button.mode, TBM_NORMAL);
    EXPECT_EQ(Underline(), kGrey);
}

TEST_F(TButtonTest, CaptionIsCentredAndTheBackgroundLeftAlone) {
    TButton button;
    Place(button);
    Rect ink = InkBox(Rect::FromXywh(10, 10, 160, 31), kWhite);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_NEAR((ink.left + ink.right) / 2, 10 + 80, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2, 10 + 16, 3);
    EXPECT_EQ(PixelAt(12, 12), kWhite);
}

TEST_F(TButtonTest, ShowsTheHandCursor) {
    TButton button;
    Place(button);
    host.MoveTo(At(80, 20));
    EXPECT_EQ(host.Find(frame.GetSurface())->cursor, CursorShape::Hand);
    host.MoveTo(At(300, 250));
    EXPECT_EQ(host.Find(frame.GetSurface())->cursor, CursorShape::Arrow);
}

}  // namespace
}  // namespace lumora
