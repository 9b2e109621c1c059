// The window's vertical scroll bar: when it shows, its settings, and the scroll codes the mouse
// produces, each action ending with SB_ENDSCROLL.
#include <utility>
#include <vector>

#include "support/HeadlessHostFixture.h"
#include "wnd/ScrollBar.h"
#include "wnd/Wnd.h"

namespace lumora {
namespace {

using Code = std::pair<UINT, int>;

// Scrolls like a page of cards: the position moves by the code and is applied to the bar.
class Scrolled : public Wnd {
public:
    std::vector<Code> codes;

protected:
    void OnVScroll(UINT code, int pos, Wnd*) override {
        codes.emplace_back(code, pos);
        ScrollInfo info;
        GetScrollInfo(SB_VERT, info);
        int p = info.pos;
        switch (code) {
            case SB_LINEUP:
                p -= 260;
                break;
            case SB_LINEDOWN:
                p += 260;
                break;
            case SB_PAGEUP:
                p -= static_cast<int>(info.page);
                break;
            case SB_PAGEDOWN:
                p += static_cast<int>(info.page);
                break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION:
                p = pos;
                break;
            case SB_TOP:
                p = info.min;
                break;
            case SB_BOTTOM:
                p = info.max;
                break;
            default:
                return;
        }
        ScrollInfo set;
        set.mask = SIF_POS;
        set.pos = p;
        SetScrollInfo(SB_VERT, set, true);
    }
};

ScrollInfo Range(int max, UINT page) {
    ScrollInfo info;
    info.mask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.max = max;
    info.page = page;
    return info;
}

class ScrollBarTest : public HeadlessHostFixture {
protected:
    ScrollBarTest() {
        wnd.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(0, 0, 200, 300), nullptr);
        wnd.SetScrollInfo(SB_VERT, Range(1040, 520));
        host.RunUntilIdle();
    }
    Scrolled wnd;
};

TEST_F(ScrollBarTest, ShowsWhileThereIsARangeToScroll) {
    struct Case {
        int max;
        UINT page;
        bool visible;
        int maxPos;
    };
    const Case cases[] = {
        {520, 520, true, 1},  // one page of cards: the thumb moves by one unit
        {0, 520, false, 0},   // no cards
        {1040, 520, true, 521},
        {100, 0, true, 100},
    };
    for (const Case& c : cases) {
        wnd.SetScrollInfo(SB_VERT, Range(c.max, c.page));
        EXPECT_EQ(wnd.VerticalScrollBar()->Visible(), c.visible) << c.max;
        EXPECT_EQ(wnd.GetClientRect().Width(), c.visible ? 200 - ScrollBar::kWidth : 200) << c.max;
        ScrollInfo big;
        big.mask = SIF_POS;
        big.pos = 100000;
        EXPECT_EQ(wnd.SetScrollInfo(SB_VERT, big), c.maxPos) << c.max;
        EXPECT_EQ(wnd.GetScrollPos(SB_VERT), c.maxPos) << c.max;
    }
}

TEST_F(ScrollBarTest, ClicksOnArrowsAndTrackStepThenEndScrolling) {
    struct Case {
        const char* name;
        Point at;
        std::vector<Code> codes;
        int pos;
    };
    const std::vector<Case> cases = {
        {"down arrow", {190, 295}, {{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}, 260},
        {"track below the thumb", {190, 250}, {{SB_PAGEDOWN, 0}, {SB_ENDSCROLL, 0}}, 520},
        {"up arrow", {190, 5}, {{SB_LINEUP, 0}, {SB_ENDSCROLL, 0}}, 0},
    };
    for (const Case& c : cases) {
        wnd.SetScrollInfo(SB_VERT, Range(1040, 520));
        wnd.codes.clear();
        host.Click(c.at);
        EXPECT_EQ(wnd.codes, c.codes) << c.name;
        EXPECT_EQ(wnd.GetScrollPos(SB_VERT), c.pos) << c.name;
    }
}

TEST_F(ScrollBarTest, HeldArrowRepeatsUntilReleased) {
    host.Press({190, 295});
    host.Advance(400);  // the delay, then the first repeat
    host.Advance(100);
    host.Release({190, 295});
    EXPECT_EQ(wnd.codes,
              (std::vector<Code>{
                  {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
    host.Advance(1000);
    EXPECT_EQ(wnd.codes.size(), 4u);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenSetsThePosition) {
    // The track runs from 17 to 283; the thumb is 132 pixels for a page of 520 out of 1041.
    host.Press({190, 30});
    host.MoveTo({190, 97});
    host.MoveTo({190, 500});  // beyond the end of the track
    host.Release({190, 500});
    ASSERT_EQ(wnd.codes.size(), 4u);
    EXPECT_EQ(wnd.codes[0].first, UINT{SB_THUMBTRACK});
    EXPECT_GT(wnd.codes[0].second, 0);
    EXPECT_LT(wnd.codes[0].second, 521);
    EXPECT_EQ(wnd.codes[1], Code(SB_THUMBTRACK, 521));
    EXPECT_EQ(wnd.codes[2], Code(SB_THUMBPOSITION, 521));
    EXPECT_EQ(wnd.codes[3], Code(SB_ENDSCROLL, 0));
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), 521);
    EXPECT_EQ(Wnd::GetCapture(), nullptr);
}

TEST_F(ScrollBarTest, PositionsBeyondSixteenBitsReachTheHandlerWhole) {
    wnd.SetScrollInfo(SB_VERT, Range(200 * 520, 520));
    host.Press({190, 20});  // on the thumb, which is at its smallest
    host.MoveTo({190, 400});
    host.Release({190, 400});
    ASSERT_GE(wnd.codes.size(), 3u);
    EXPECT_EQ(wnd.codes[wnd.codes.size() - 2], Code(SB_THUMBPOSITION, 200 * 520 - 519));
}

TEST_F(ScrollBarTest, MouseOnTheBarIsNotTheClientAreas) {
    struct Clicky : Scrolled {
        int presses = 0;
        void OnLButtonDown(UINT, Point) override { ++presses; }
    } w;
    w.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(300, 0, 200, 300), nullptr);
    w.SetScrollInfo(SB_VERT, Range(1040, 520));
    host.Click({490, 150});
    EXPECT_EQ(w.presses, 0);
    host.Click({400, 150});
    EXPECT_EQ(w.presses, 1);
}

}  // namespace
}  // namespace lumora
