#pragma once

#include <cairo.h>

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Host.h"
#include "wnd/Msg.h"
#include "wnd/WinTypes.h"

namespace lumora {

class Wnd;
class ScrollBar;

// The state the system keeps for all windows of the process: the handle table, the message
// queue, capture, focus, mouse tracking, timers and key state. One instance, bound to the
// current host (a test that installs a new host starts from a clean state).
class WindowSystem {
public:
    static WindowSystem& Get();

    Host& GetHost() const { return *m_host; }

    HWND Register(Wnd* wnd);
    void Unregister(Wnd* wnd);
    Wnd* Lookup(HWND hwnd) const;
    // Every window that exists, in the order of creation.
    std::vector<Wnd*> Windows() const;

    void Post(const Msg& msg);
    // Takes queued messages one by one: pre-translation along the window's parent chain, then
    // dispatch. Runs from the host's loop; nested modal loops drain it re-entrantly.
    void DrainQueue();
    // Offers `msg` to PreTranslateMessage of its window and of every window above it; answers
    // whether one swallowed it.
    bool PreTranslate(Msg& msg);

    Wnd* Capture() const;
    void SetCapture(Wnd* wnd);
    Wnd* Focus() const;
    void SetFocus(Wnd* wnd);

    bool TrackMouse(Wnd& wnd, DWORD flags, DWORD hoverTime);
    // The window the mouse is over now (in its client area), for leave and hover notices.
    void MouseOver(Wnd* wnd, SurfaceId surface);
    SurfaceId MouseSurface() const { return m_mouseSurface; }

    UINT SetTimer(Wnd& wnd, UINT id, UINT ms);
    bool KillTimer(Wnd& wnd, UINT id);

    void SetKey(UINT vk, bool down);
    bool KeyDown(UINT vk) const { return vk < m_keys.size() && m_keys[vk]; }

    // The scroll bar that follows the mouse between a press on it and the release.
    ScrollBar* ScrollTracking() const { return m_scrollTracking; }
    void SetScrollTracking(ScrollBar* bar) { m_scrollTracking = bar; }

    // The paint under way on a surface, for window contexts taken while painting.
    struct Painting {
        cairo_t* cr = nullptr;
        std::array<double, 6> baseMatrix{};
    };
    void BeginPaint(SurfaceId surface, cairo_t* cr);
    void EndPaint(SurfaceId surface);
    const Painting* PaintingOn(SurfaceId surface) const;
    cairo_t* ScratchContext();

private:
    WindowSystem() = default;
    void Bind(Host* host);
    void Forget(Wnd* wnd);

    struct TimerKey {
        HWND hwnd;
        UINT id;
        auto operator<=>(const TimerKey&) const = default;
    };
    struct TimerState {
        Host::TimerId hostTimer = 0;
        bool queued = false;  // a WM_TIMER waits in the queue; ticks meanwhile are merged
    };
    struct Tracking {
        HWND hwnd = 0;
        DWORD flags = 0;
        Host::TimerId hoverTimer = 0;
    };

    void StopHoverTimer();
    void PostHover();

    Host* m_host = nullptr;
    std::uint64_t m_generation = 0;
    std::map<HWND, Wnd*> m_windows;
    HWND m_nextHandle = 1;
    std::deque<Msg> m_queue;
    HWND m_capture = 0;
    HWND m_focus = 0;
    HWND m_mouseOver = 0;
    SurfaceId m_mouseSurface = 0;
    Tracking m_tracking;
    std::map<TimerKey, TimerState> m_timers;
    std::array<bool, 256> m_keys{};
    ScrollBar* m_scrollTracking = nullptr;
    std::map<SurfaceId, Painting> m_painting;
    cairo_surface_t* m_scratchSurface = nullptr;
    cairo_t* m_scratch = nullptr;
};

}  // namespace lumora
