#include "wnd/ScrollBar.h"

#include <algorithm>

#include "wnd/DC.h"
#include "wnd/Messages.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

namespace {
constexpr int kMinThumb = 8;
// Held buttons repeat their step after a delay, then at a steady rate.
constexpr unsigned kRepeatDelayMs = 400;
constexpr unsigned kRepeatMs = 100;
constexpr ColorRef kTrackColor = RGB(240, 240, 240);
constexpr ColorRef kThumbColor = RGB(192, 192, 192);
constexpr ColorRef kArrowColor = RGB(96, 96, 96);
}  // namespace

ScrollBar::ScrollBar(Wnd& owner) : m_owner(owner) {}

ScrollBar::~ScrollBar() {
    StopRepeat();
    if (WindowSystem::Get().ScrollTracking() == this)
        WindowSystem::Get().SetScrollTracking(nullptr);
}

int ScrollBar::MaxPos() const {
    const int span = m_info.page > 0 ? static_cast<int>(m_info.page) - 1 : 0;
    return std::max(m_info.min, m_info.max - span);
}

bool ScrollBar::Visible() const {
    if (m_info.max <= m_info.min) return false;
    return static_cast<long long>(m_info.page) <= static_cast<long long>(m_info.max) - m_info.min;
}

int ScrollBar::Set(const ScrollInfo& info) {
    if ((info.mask & SIF_RANGE) != 0) {
        m_info.min = info.min;
        m_info.max = info.max;
    }
    if ((info.mask & SIF_PAGE) != 0) m_info.page = info.page;
    if ((info.mask & SIF_POS) != 0) m_info.pos = info.pos;
    if ((info.mask & SIF_TRACKPOS) != 0) m_info.trackPos = info.trackPos;
    m_info.pos = std::clamp(m_info.pos, m_info.min, MaxPos());
    if (!Tracking()) m_info.trackPos = m_info.pos;
    return m_info.pos;
}

Rect ScrollBar::Area() const {
    const Rect w = m_owner.RectInParent();
    return {w.Width() - kWidth, 0, w.Width(), w.Height()};
}

ScrollBar::Geometry ScrollBar::Layout() const {
    const Rect a = Area();
    const int arrow = std::min(kWidth, a.Height() / 2);
    Geometry g;
    g.up = {a.left, a.top, a.right, a.top + arrow};
    g.down = {a.left, a.bottom - arrow, a.right, a.bottom};
    g.track = {a.left, g.up.bottom, a.right, g.down.top};
    const int trackLen = g.track.Height();
    const long long range = static_cast<long long>(m_info.max) - m_info.min + 1;
    int thumbLen = trackLen;
    if (m_info.page > 0 && range > 0)
        thumbLen = static_cast<int>(std::min<long long>(trackLen, trackLen * m_info.page / range));
    thumbLen = std::min(trackLen, std::max(kMinThumb, thumbLen));
    const int travel = trackLen - thumbLen;
    const int span = MaxPos() - m_info.min;
    const int pos = m_action == Action::Thumb ? m_info.trackPos : m_info.pos;
    const int offset =
        span > 0 ? static_cast<int>(static_cast<long long>(travel) * (pos - m_info.min) / span) : 0;
    g.thumb = {a.left, g.track.top + offset, a.right, g.track.top + offset + thumbLen};
    return g;
}

void ScrollBar::Paint(DC& dc) const {
    if (!Visible()) return;
    const Geometry g = Layout();
    dc.FillSolidRect(Area(), kTrackColor);
    dc.FillSolidRect(Rect{g.thumb.left + 2, g.thumb.top, g.thumb.right - 2, g.thumb.bottom},
                     kThumbColor);
    const int cx = g.up.left + g.up.Width() / 2;
    const int uy = g.up.top + g.up.Height() / 2;
    const int dy = g.down.top + g.down.Height() / 2;
    dc.FillPolygon({{cx - 4, uy + 2}, {cx + 4, uy + 2}, {cx, uy - 2}}, kArrowColor);
    dc.FillPolygon({{cx - 4, dy - 2}, {cx + 4, dy - 2}, {cx, dy + 2}}, kArrowColor);
}

void ScrollBar::Notify(UINT code, int pos) {
    if (m_owner.IsWindow()) m_owner.OnVScroll(code, pos, nullptr);
}

int ScrollBar::PosForThumbTop(int top) const {
    const Geometry g = Layout();
    const int travel = g.track.Height() - g.thumb.Height();
    const int span = MaxPos() - m_info.min;
    if (travel <= 0 || span <= 0) return m_info.min;
    const int offset = std::clamp(top - g.track.top, 0, travel);
    return m_info.min +
           static_cast<int>((static_cast<long long>(offset) * span + travel / 2) / travel);
}

void ScrollBar::Press(Point p) {
    if (!Visible() || Tracking()) return;
    const Geometry g = Layout();
    m_cursor = p;
    if (g.up.Contains(p))
        m_action = Action::LineUp;
    else if (g.down.Contains(p))
        m_action = Action::LineDown;
    else if (g.thumb.Contains(p))
        m_action = Action::Thumb;
    else if (p.y < g.thumb.top)
        m_action = Action::PageUp;
    else
        m_action = Action::PageDown;
    WindowSystem::Get().SetScrollTracking(this);
    m_owner.SetCapture();
    if (m_action == Action::Thumb) {
        m_grabOffset = p.y - g.thumb.top;
        m_info.trackPos = m_info.pos;
        return;
    }
    Step();
    if (Tracking()) StartRepeat();
}

void ScrollBar::Step() {
    const Geometry g = Layout();
    switch (m_action) {
        case Action::LineUp:
            Notify(SB_LINEUP, 0);
            break;
        case Action::LineDown:
            Notify(SB_LINEDOWN, 0);
            break;
        // Page steps go on only until the thumb reaches the mouse.
        case Action::PageUp:
            if (m_cursor.y < g.thumb.top) Notify(SB_PAGEUP, 0);
            break;
        case Action::PageDown:
            if (m_cursor.y >= g.thumb.bottom) Notify(SB_PAGEDOWN, 0);
            break;
        default:
            break;
    }
}

void ScrollBar::StartRepeat() {
    Host& host = WindowSystem::Get().GetHost();
    m_repeating = false;
    m_repeat = host.StartTimer(kRepeatDelayMs, [this] {
        if (!m_repeating) {
            WindowSystem::Get().GetHost().StopTimer(m_repeat);
            m_repeating = true;
            m_repeat = WindowSystem::Get().GetHost().StartTimer(kRepeatMs, [this] { Step(); });
        }
        Step();
    });
}

void ScrollBar::StopRepeat() {
    if (m_repeat != 0) WindowSystem::Get().GetHost().StopTimer(m_repeat);
    m_repeat = 0;
    m_repeating = false;
}

void ScrollBar::Drag(Point p) {
    if (!Tracking()) return;
    m_cursor = p;
    if (m_action != Action::Thumb) return;
    const int pos = PosForThumbTop(p.y - m_grabOffset);
    if (pos == m_info.trackPos) return;
    m_info.trackPos = pos;
    Notify(SB_THUMBTRACK, pos);
}

void ScrollBar::Release(Point p) {
    if (!Tracking()) return;
    m_cursor = p;
    const Action action = m_action;
    StopRepeat();
    WindowSystem::Get().SetScrollTracking(nullptr);
    Wnd::ReleaseCapture();
    if (action == Action::Thumb) Notify(SB_THUMBPOSITION, m_info.trackPos);
    m_action = Action::None;
    Notify(SB_ENDSCROLL, 0);
    m_info.trackPos = m_info.pos;
}

}  // namespace lumora
