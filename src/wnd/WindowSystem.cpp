#include "wnd/WindowSystem.h"

#include "wnd/Messages.h"
#include "wnd/ScrollBar.h"
#include "wnd/Wnd.h"

namespace lumora {

namespace {
// The hover time the system uses when a window asks for the default.
constexpr unsigned kDefaultHoverMs = 400;
}  // namespace

WindowSystem& WindowSystem::Get() {
    static WindowSystem system;
    Host* host = &CurrentHost();
    if (system.m_host != host || system.m_generation != CurrentHostGeneration()) system.Bind(host);
    return system;
}

void WindowSystem::Bind(Host* host) {
    // Windows of an earlier host are gone with it; nothing of theirs may reach the new one.
    m_host = host;
    m_generation = CurrentHostGeneration();
    m_windows.clear();
    m_queue.clear();
    m_capture = m_focus = m_mouseOver = 0;
    m_mouseSurface = 0;
    m_tracking = {};
    m_timers.clear();
    m_keys = {};
    m_scrollTracking = nullptr;
    m_painting.clear();
    m_host->SetWakeHandler([this] { DrainQueue(); });
}

HWND WindowSystem::Register(Wnd* wnd) {
    const HWND hwnd = m_nextHandle++;
    m_windows.emplace(hwnd, wnd);
    return hwnd;
}

void WindowSystem::Unregister(Wnd* wnd) {
    Forget(wnd);
    m_windows.erase(wnd->GetSafeHwnd());
}

void WindowSystem::Forget(Wnd* wnd) {
    const HWND hwnd = wnd->GetSafeHwnd();
    if (m_capture == hwnd) m_capture = 0;
    if (m_focus == hwnd) m_focus = 0;
    if (m_mouseOver == hwnd) m_mouseOver = 0;
    if (m_tracking.hwnd == hwnd) {
        StopHoverTimer();
        m_tracking = {};
    }
    if (m_scrollTracking != nullptr && m_scrollTracking == wnd->VerticalScrollBar())
        m_scrollTracking = nullptr;
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->first.hwnd == hwnd) {
            m_host->StopTimer(it->second.hostTimer);
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}

Wnd* WindowSystem::Lookup(HWND hwnd) const {
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : it->second;
}

std::vector<Wnd*> WindowSystem::Windows() const {
    std::vector<Wnd*> windows;
    for (const auto& [hwnd, wnd] : m_windows) windows.push_back(wnd);
    return windows;
}

void WindowSystem::Post(const Msg& msg) {
    m_queue.push_back(msg);
    m_host->Wake();
}

void WindowSystem::DrainQueue() {
    while (!m_queue.empty()) {
        Msg msg = m_queue.front();
        m_queue.pop_front();
        if (msg.message == WM_TIMER) {
            auto it = m_timers.find({msg.hwnd, static_cast<UINT>(msg.wParam)});
            if (it != m_timers.end()) it->second.queued = false;
        }
        // Key state follows the messages as they are taken, so GetKeyState answers for the
        // moment of the message being handled.
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)
            SetKey(static_cast<UINT>(msg.wParam), msg.message == WM_KEYDOWN);
        if (Lookup(msg.hwnd) == nullptr) continue;
        if (PreTranslate(msg)) continue;
        if (Wnd* wnd = Lookup(msg.hwnd)) {
            if (msg.mouse)
                wnd->SendMouse(msg.message, *msg.mouse);
            else
                wnd->WindowProc(msg.message, msg.wParam, msg.lParam);
        }
    }
}

bool WindowSystem::PreTranslate(Msg& msg) {
    for (Wnd* wnd = Lookup(msg.hwnd); wnd != nullptr;) {
        const HWND next = wnd->GetParent() != nullptr ? wnd->GetParent()->GetSafeHwnd() : 0;
        if (wnd->PreTranslateMessage(msg)) return true;
        // The handler may have destroyed windows of the chain.
        wnd = next != 0 ? Lookup(next) : nullptr;
    }
    return false;
}

Wnd* WindowSystem::Capture() const { return Lookup(m_capture); }

void WindowSystem::SetCapture(Wnd* wnd) { m_capture = wnd != nullptr ? wnd->GetSafeHwnd() : 0; }

Wnd* WindowSystem::Focus() const { return Lookup(m_focus); }

void WindowSystem::SetFocus(Wnd* wnd) {
    const HWND next = wnd != nullptr ? wnd->GetSafeHwnd() : 0;
    if (next == m_focus) return;
    const HWND old = m_focus;
    m_focus = next;
    if (Wnd* oldWnd = Lookup(old)) oldWnd->SendMessage(WM_KILLFOCUS, next);
    // The kill-focus handler may have moved the focus again.
    if (m_focus != next) return;
    if (Wnd* nextWnd = Lookup(next)) nextWnd->SendMessage(WM_SETFOCUS, old);
}

bool WindowSystem::TrackMouse(Wnd& wnd, DWORD flags, DWORD hoverTime) {
    const HWND hwnd = wnd.GetSafeHwnd();
    if (hwnd == 0) return false;
    if ((flags & TME_CANCEL) != 0) {
        if (m_tracking.hwnd == hwnd) {
            m_tracking.flags &= ~flags;
            if ((m_tracking.flags & TME_HOVER) == 0) StopHoverTimer();
            if ((m_tracking.flags & (TME_HOVER | TME_LEAVE)) == 0) m_tracking = {};
        }
        return true;
    }
    if (m_mouseOver != hwnd) {
        // Asked for a window the mouse is not over: the leave notice comes at once.
        if ((flags & TME_LEAVE) != 0) Post({hwnd, WM_MOUSELEAVE, 0, 0});
        return true;
    }
    if (m_tracking.hwnd != hwnd) {
        StopHoverTimer();
        m_tracking = {hwnd, 0, 0};
    }
    m_tracking.flags |= flags & (TME_HOVER | TME_LEAVE);
    if ((flags & TME_HOVER) != 0) {
        StopHoverTimer();
        const unsigned ms = hoverTime == HOVER_DEFAULT ? kDefaultHoverMs : hoverTime;
        if (ms == 0) {
            PostHover();
        } else {
            m_tracking.hoverTimer = m_host->StartTimer(ms, [this] {
                StopHoverTimer();
                if ((m_tracking.flags & TME_HOVER) != 0 && m_tracking.hwnd == m_mouseOver)
                    PostHover();
            });
        }
    }
    return true;
}

void WindowSystem::PostHover() {
    Wnd* wnd = Lookup(m_tracking.hwnd);
    m_tracking.flags &= ~TME_HOVER;
    if (wnd == nullptr) return;
    const Point p = wnd->ScreenToClient(m_host->CursorPos());
    UINT keys = 0;
    if (KeyDown(VK_SHIFT)) keys |= MK_SHIFT;
    Post({m_tracking.hwnd, WM_MOUSEHOVER, 0, 0, MouseEvent{keys, p}});
    if ((m_tracking.flags & TME_LEAVE) == 0) m_tracking = {};
}

void WindowSystem::StopHoverTimer() {
    if (m_tracking.hoverTimer != 0) m_host->StopTimer(m_tracking.hoverTimer);
    m_tracking.hoverTimer = 0;
}

void WindowSystem::MouseOver(Wnd* wnd, SurfaceId surface) {
    const HWND hwnd = wnd != nullptr ? wnd->GetSafeHwnd() : 0;
    m_mouseSurface = surface;
    m_mouseOver = hwnd;
    // A leave notice also comes when the mouse moves onto a child: the child is then the
    // window under the mouse.
    if (m_tracking.hwnd != 0 && m_tracking.hwnd != hwnd) {
        const HWND left = m_tracking.hwnd;
        const bool wantsLeave = (m_tracking.flags & TME_LEAVE) != 0;
        StopHoverTimer();
        m_tracking = {};
        if (wantsLeave) Post({left, WM_MOUSELEAVE, 0, 0});
    }
}

UINT WindowSystem::SetTimer(Wnd& wnd, UINT id, UINT ms) {
    const TimerKey key{wnd.GetSafeHwnd(), id};
    if (key.hwnd == 0) return 0;
    // A running timer of the same id is replaced: its period starts again.
    KillTimer(wnd, id);
    TimerState& state = m_timers[key];
    state.hostTimer = m_host->StartTimer(ms, [this, key] {
        auto it = m_timers.find(key);
        if (it == m_timers.end() || it->second.queued) return;
        it->second.queued = true;
        Post({key.hwnd, WM_TIMER, key.id, 0});
    });
    return id;
}

bool WindowSystem::KillTimer(Wnd& wnd, UINT id) {
    auto it = m_timers.find({wnd.GetSafeHwnd(), id});
    if (it == m_timers.end()) return false;
    m_host->StopTimer(it->second.hostTimer);
    m_timers.erase(it);
    // A WM_TIMER already queued still arrives, as it does on the system.
    return true;
}

void WindowSystem::SetKey(UINT vk, bool down) {
    if (vk < m_keys.size()) m_keys[vk] = down;
}

void WindowSystem::BeginPaint(SurfaceId surface, cairo_t* cr) {
    Painting p;
    p.cr = cr;
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    p.baseMatrix = {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
    m_painting[surface] = p;
}

void WindowSystem::EndPaint(SurfaceId surface) { m_painting.erase(surface); }

const WindowSystem::Painting* WindowSystem::PaintingOn(SurfaceId surface) const {
    auto it = m_painting.find(surface);
    return it == m_painting.end() ? nullptr : &it->second;
}

cairo_t* WindowSystem::ScratchContext() {
    if (m_scratch == nullptr) {
        m_scratchSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
        m_scratch = cairo_create(m_scratchSurface);
    }
    return m_scratch;
}

}  // namespace lumora
