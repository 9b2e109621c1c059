// Mouse semantics the program's windows rely on: hover and leave notices, the leave that comes
// when the mouse moves onto a child, clicks, capture, the wheel and mouse-transparent statics.
#include <string>
#include <vector>

#include "support/HeadlessHostFixture.h"
#include "wnd/Button.h"
#include "wnd/Static.h"
#include "wnd/Wnd.h"

namespace lumora {
namespace {

// Asks for hover and leave at every move while not tracking, as the skinned buttons do, and
// writes down what arrives.
template <class Base>
class Tracker : public Base {
public:
    explicit Tracker(std::vector<std::string>& log, std::string name)
        : m_log(log), m_name(std::move(name)) {}

    bool tracking = false;

protected:
    void OnMouseMove(UINT flags, Point p) override {
        if (!tracking && TrackMouseEvent(*this, TME_HOVER | TME_LEAVE, 0)) tracking = true;
        Base::OnMouseMove(flags, p);
    }
    void OnMouseHover(UINT, Point) override {
        tracking = false;
        m_log.push_back(m_name + " hover");
    }
    void OnMouseLeave() override {
        tracking = false;
        m_log.push_back(m_name + " leave");
    }
    bool OnMouseWheel(UINT flags, short delta, Point screen) override {
        m_log.push_back(m_name + " wheel " + std::to_string(delta));
        return Base::OnMouseWheel(flags, delta, screen);
    }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

// A top-level window that records the commands of its children.
class Frame : public Tracker<Wnd> {
public:
    using Tracker::Tracker;
    std::vector<UINT> clicks;

protected:
    bool OnCommand(UINT id, UINT code, Wnd*) override {
        if (code == BN_CLICKED) clicks.push_back(id);
        return true;
    }
};

class MouseTest : public HeadlessHostFixture {
protected:
    MouseTest() {
        frame.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(100, 100, 300, 200), nullptr);
        a.Create("A", BS_OWNERDRAW | WS_VISIBLE, Rect::FromXywh(10, 10, 80, 30), &frame, 1001);
        b.Create("B", BS_OWNERDRAW | WS_VISIBLE, Rect::FromXywh(110, 10, 80, 30), &frame, 1002);
        host.RunUntilIdle();
    }
    // Screen point of a frame client point.
    static Point At(int x, int y) { return {100 + x, 100 + y}; }

    std::vector<std::string> log;
    Frame frame{log, "frame"};
    Tracker<Button> a{log, "a"};
    Tracker<Button> b{log, "b"};
};

TEST_F(MouseTest, HoverFollowsEachTrackingRequestAndLeaveComesOnce) {
    host.MoveTo(At(20, 20));
    host.MoveTo(At(30, 20));
    host.MoveTo(At(250, 150));
    EXPECT_EQ(log, (std::vector<std::string>{"a hover", "a hover", "a leave", "frame hover"}));
    EXPECT_FALSE(a.tracking);
}

TEST_F(MouseTest, ParentGetsLeaveWhenTheMouseMovesOntoAChild) {
    host.MoveTo(At(250, 150));
    host.MoveTo(At(20, 20));
    host.MoveTo(At(250, 150));
    EXPECT_EQ(log, (std::vector<std::string>{"frame hover", "frame leave", "a hover", "a leave",
                                             "frame hover"}));
}

TEST_F(MouseTest, LeaveComesWhenTheMouseLeavesTheSurface) {
    host.MoveTo(At(20, 20));
    host.MoveTo({5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"a hover", "a leave"}));
}

TEST_F(MouseTest, ClickOnlyWhenPressAndReleaseAreOnTheSameButton) {
    struct Case {
        const char* name;
        Point press;
        std::vector<Point> moves;
        Point release;
        std::vector<UINT> clicks;
    };
    const std::vector<Case> cases = {
        {"same button", At(20, 20), {}, At(60, 30), {1001}},
        {"press on a, release on b", At(20, 20), {}, At(120, 20), {}},
        {"press on a, release on the frame", At(20, 20), {}, At(250, 150), {}},
        {"out and back before the release",
         At(20, 20),
         {At(250, 150), At(25, 25)},
         At(25, 25),
         {1001}},
        {"press on the frame, release on a", At(250, 150), {}, At(20, 20), {}},
    };
    for (const Case& c : cases) {
        frame.clicks.clear();
        host.Press(c.press);
        for (Point m : c.moves) host.MoveTo(m);
        host.Release(c.release);
        EXPECT_EQ(frame.clicks, c.clicks) << c.name;
        EXPECT_EQ(Wnd::GetCapture(), nullptr) << c.name;
    }
}

TEST_F(MouseTest, StaticIsTransparentToTheMouseUnlessItNotifies) {
    Static label;
    label.CreateEx(0, "label", WS_CHILD | WS_VISIBLE, Rect::FromXywh(0, 0, 100, 50), &a, 7);
    host.MoveTo(At(20, 20));
    EXPECT_EQ(log, (std::vector<std::string>{"a hover"}));
    label.ModifyStyle(0, SS_NOTIFY);
    host.MoveTo(At(21, 20));
    EXPECT_EQ(log, (std::vector<std::string>{"a hover", "a leave"}));
}

TEST_F(MouseTest, WheelGoesToTheWindowUnderTheMouseThenToItsParent) {
    host.Wheel(At(20, 20), -120);
    EXPECT_EQ(log, (std::vector<std::string>{"a wheel -120", "frame wheel -120"}));
}

TEST_F(MouseTest, HiddenWindowGetsNoMouse) {
    a.ShowWindow(SW_HIDE);
    host.Click(At(20, 20));
    EXPECT_TRUE(frame.clicks.empty());
    for (const std::string& entry : log) EXPECT_EQ(entry.rfind("frame", 0), 0u) << entry;
}

}  // namespace
}  // namespace lumora
