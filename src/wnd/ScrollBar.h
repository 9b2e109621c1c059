#pragma once

#include "base/Geometry.h"
#include "platform/Host.h"
#include "wnd/ScrollInfo.h"
#include "wnd/WinTypes.h"

namespace lumora {

class DC;
class Wnd;

// A window's standard vertical scroll bar: its settings, its place along the window's right
// edge, its drawing and the mouse on it. It reports to its window's OnVScroll: line and
// page steps (repeated while the button is held), thumb tracking and position, and after
// every action the end-of-scrolling notice.
class ScrollBar {
public:
    static constexpr int kWidth = 17;

    explicit ScrollBar(Wnd& owner);
    ~ScrollBar();
    ScrollBar(const ScrollBar&) = delete;
    ScrollBar& operator=(const ScrollBar&) = delete;

    // Answers the new position, clamped to [min, max - page + 1].
    int Set(const ScrollInfo& info);
    ScrollInfo Get() const { return m_info; }
    int Pos() const { return m_info.pos; }
    // Shown while there is something to scroll: the page is not larger than the range.
    bool Visible() const;
    int MaxPos() const;

    // In the owner's window coordinates.
    Rect Area() const;
    void Paint(DC& dc) const;

    // Mouse, in the owner's window coordinates: a press on the bar starts an action that the
    // moves and the release continue.
    void Press(Point window);
    void Drag(Point window);
    void Release(Point window);
    bool Tracking() const { return m_action != Action::None; }

private:
    enum class Action { None, LineUp, LineDown, PageUp, PageDown, Thumb };

    struct Geometry {
        Rect up, down, track, thumb;
    };
    Geometry Layout() const;
    void Notify(UINT code, int pos);
    void Step();
    void StartRepeat();
    void StopRepeat();
    int PosForThumbTop(int top) const;

    Wnd& m_owner;
    ScrollInfo m_info{SIF_ALL, 0, 0, 0, 0, 0};
    Action m_action = Action::None;
    Point m_cursor;
    int m_grabOffset = 0;
    Host::TimerId m_repeat = 0;
    bool m_repeating = false;
};

}  // namespace lumora
