#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "platform/Host.h"
#include "wnd/Brush.h"
#include "wnd/DC.h"
#include "wnd/DrawItemInfo.h"
#include "wnd/Font.h"
#include "wnd/Messages.h"
#include "wnd/Msg.h"
#include "wnd/ScrollInfo.h"
#include "wnd/Styles.h"
#include "wnd/WinTypes.h"

namespace lumora {

class ScrollBar;

// Control-colour kinds, as the control-colour handler receives them.
inline constexpr UINT CTLCOLOR_EDIT = 1;
inline constexpr UINT CTLCOLOR_BTN = 3;
inline constexpr UINT CTLCOLOR_DLG = 4;
inline constexpr UINT CTLCOLOR_STATIC = 6;

// A light window with Win32 semantics: a control id, a parent (or, for a top-level window, an
// owner), children in z-order, a rectangle in its parent's client coordinates (screen
// coordinates for a top-level window), visibility, text, styles and an optional region.
// Objects own their windows as members: destroying a window never deletes its object, and
// destroying the object destroys its window.
class Wnd {
public:
    Wnd();
    virtual ~Wnd();
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;

    // A window with WS_CHILD becomes a child of `parent`; any other becomes a top-level surface
    // of the host, owned by `parent` when one is given. `rect` is in the parent's client
    // coordinates, or in screen coordinates for a top-level window.
    bool CreateEx(DWORD exStyle, const std::string& text, DWORD style, const Rect& rect,
                  Wnd* parent, int id = 0);
    // Destroys the children first, then this window; the object stays and can be created again.
    bool DestroyWindow();
    bool IsWindow() const { return m_hwnd != 0; }
    HWND GetSafeHwnd() const { return m_hwnd; }
    static Wnd* FromHandle(HWND hwnd);

    // The tree. GetParent answers the owner for a top-level window, as the system does.
    Wnd* GetParent() const;
    Wnd* GetOwner() const { return m_owner; }
    // The top-level windows this window owns, in the order they were created.
    std::vector<Wnd*> OwnedWindows() const;
    const std::vector<Wnd*>& Children() const { return m_children; }  // top of the z-order first
    Wnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const { return m_id; }
    void SetDlgCtrlID(int id) { m_id = id; }
    bool IsChild(const Wnd* descendant) const;  // anywhere below this window
    bool IsTopLevel() const { return (m_style & WS_CHILD) == 0; }
    Wnd* GetTopLevel();
    const Wnd* GetTopLevel() const;
    // The host surface of this window's top-level window.
    SurfaceId GetSurface() const { return GetTopLevel()->m_surface; }
    // Moves this window to the top (first) or bottom of its siblings' z-order.
    void BringToTop();

    DWORD GetStyle() const { return m_style; }
    DWORD GetExStyle() const { return m_exStyle; }
    void ModifyStyle(DWORD remove, DWORD add);
    void ModifyStyleEx(DWORD remove, DWORD add);

    virtual void SetWindowText(const std::string& text);
    virtual std::string GetWindowText() const { return m_text; }
    void SetFont(const Font& font, bool redraw = true);
    // The window's own font, else its parent's, else the dialog font.
    Font GetFont() const;

    Rect GetWindowRect() const;  // screen coordinates
    Rect GetClientRect() const;  // (0, 0) to the client size, less a shown scroll bar
    Rect RectInParent() const { return m_rect; }
    Point ClientToScreen(Point p) const;
    Rect ClientToScreen(const Rect& r) const;
    Point ScreenToClient(Point p) const;
    Rect ScreenToClient(const Rect& r) const;
    // The window's top left corner in the coordinates of its top-level surface.
    Point SurfaceOrigin() const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const Rect& rect, bool repaint = true);

    bool ShowWindow(int command);  // answers whether the window was visible before
    bool IsVisibleFlag() const { return (m_style & WS_VISIBLE) != 0; }
    bool IsWindowVisible() const;  // this window and all its ancestors are visible
    bool IsWindowEnabled() const { return (m_style & WS_DISABLED) == 0; }
    void EnableWindow(bool enable);

    // Records the area to repaint; painting happens once, when the loop is idle.
    void Invalidate(bool erase = true);
    void InvalidateRect(const Rect* clientRect, bool erase = true);
    // A window region (the whole window outside it is neither painted nor hit).
    bool SetWindowRgn(const std::optional<RoundRect>& region, bool redraw = true);
    const std::optional<RoundRect>& GetWindowRgn() const { return m_region; }
    // A context on the whole window or its client area. While the window's surface paints it
    // draws into that paint; otherwise the drawing is lost, as drawing on a screen that is
    // about to repaint would be.
    std::unique_ptr<DC> GetWindowDC();
    std::unique_ptr<DC> GetDC();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // A mouse message (WM_MOUSEMOVE, the buttons, WM_MOUSEWHEEL, WM_MOUSEHOVER, the non-client
    // ones) with its input carried whole.
    LRESULT SendMouse(UINT message, const MouseEvent& event);
    bool PostMouse(UINT message, const MouseEvent& event);
    // What a control asks its parent while it paints: the colouring of `control` (a CTLCOLOR_
    // kind), and the drawing of an owner-drawn control.
    Brush SendCtlColor(DC& dc, Wnd& control, UINT ctlColor) {
        return OnCtlColor(dc, control, ctlColor);
    }
    void SendDrawItem(int id, DrawItemInfo& info) { OnDrawItem(id, info); }
    // Offered every queued message addressed to this window or to a window below it (and, for
    // owned pop-ups, to their owner) before dispatch; answer true to swallow it.
    virtual bool PreTranslateMessage(Msg& msg);
    // The one switch that turns a message into a call of a typed handler. Mouse input from the
    // host and the framework's own painting, colouring, sizing and scrolling calls reach their
    // handlers typed, without passing here.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Starts or replaces timer `id`: WM_TIMER is queued every `ms` milliseconds.
    UINT SetTimer(UINT id, UINT ms);
    bool KillTimer(UINT id);

    void SetCapture();
    static void ReleaseCapture();
    static Wnd* GetCapture();
    Wnd* SetFocus();  // answers the window that had the focus
    static Wnd* GetFocus();
    void SetForegroundWindow();
    // Starts a window-manager move of the top-level window with the mouse.
    void BeginMoveDrag();
    // A message box owned by this window's top-level window; without a caption it carries the
    // application name, as the system's window message boxes do.
    int MessageBox(const std::string& text, const std::string& caption = "lumo",
                   MessageBoxStyle style = {});

    // The window's standard vertical scroll bar (SB_VERT); it shows while it has a range to
    // scroll. Answers the new position.
    int SetScrollInfo(int bar, const ScrollInfo& info, bool redraw = true);
    bool GetScrollInfo(int bar, ScrollInfo& info) const;
    int GetScrollPos(int bar) const;
    ScrollBar* VerticalScrollBar() const { return m_vscroll.get(); }

protected:
    // Typed handlers. Each base implementation is the default processing of its message.
    virtual void OnDestroy() {}
    virtual void OnNcDestroy() {}
    virtual void OnPaint(DC& dc);
    virtual bool OnEraseBkgnd(DC& dc);
    virtual Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor);
    virtual void OnNcPaint() {}
    virtual int OnNcHitTest(Point screen);
    virtual bool OnSetCursor(Wnd& window, int hitTest, UINT mouseMessage);
    virtual void OnMouseMove(UINT /*flags*/, Point /*point*/) {}
    virtual void OnLButtonDown(UINT /*flags*/, Point /*point*/) {}
    virtual void OnLButtonUp(UINT /*flags*/, Point /*point*/) {}
    virtual void OnRButtonDown(UINT /*flags*/, Point /*point*/) {}
    virtual void OnRButtonUp(UINT /*flags*/, Point /*point*/) {}
    virtual void OnMouseHover(UINT /*flags*/, Point /*point*/) {}
    virtual void OnMouseLeave() {}
    // Default: the parent gets the wheel.
    virtual bool OnMouseWheel(UINT flags, short delta, Point screen);
    virtual void OnNcLButtonDown(int hitTest, Point screen);
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, Wnd* /*control*/) { return false; }
    // Default: the control draws itself (DrawItem).
    virtual void OnDrawItem(int id, DrawItemInfo& info);
    virtual void OnTimer(UINT /*id*/) {}
    virtual void OnVScroll(UINT /*code*/, int /*pos*/, Wnd* /*scrollBar*/) {}
    virtual void OnKeyDown(UINT /*vk*/, UINT /*repeat*/, UINT /*flags*/) {}
    virtual void OnKeyUp(UINT /*vk*/, UINT /*repeat*/, UINT /*flags*/) {}
    virtual void OnChar(UINT /*ch*/, UINT /*repeat*/, UINT /*flags*/) {}
    virtual void OnSetFocus(Wnd* /*old*/) {}
    virtual void OnKillFocus(Wnd* /*next*/) {}
    virtual void OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}
    virtual void OnMove(int /*x*/, int /*y*/) {}
    virtual void OnShowWindow(bool /*show*/, UINT /*status*/) {}
    // Default: the window is destroyed.
    virtual void OnClose();

public:
    // The owner-draw entry of a control, called by its owner's OnDrawItem.
    virtual void DrawItem(DrawItemInfo& /*info*/) {}

protected:
    // Messages the switch does not crack.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window rectangle, visibility or the tree above changed (native
    // children follow their window).
    virtual void OnPlacementChanged() {}
    // Called once the window exists in the tree (native children make their widget here)
    // and once it is gone (they release it).
    virtual void OnCreated() {}
    virtual void OnReleased() {}

private:
    friend class WindowSystem;
    friend class Painter;
    friend class SurfaceBridge;
    friend class ScrollBar;

    // The switch of mouse messages, for input carried typed and for mouse messages sent with
    // their Win32 parameters alike.
    LRESULT MouseProc(UINT message, const MouseEvent& event);
    void NotifyPlacement();
    void InvalidateInSurface(const Rect& surfaceRect, bool erase);

    HWND m_hwnd = 0;
    int m_id = 0;
    Wnd* m_parent = nullptr;
    Wnd* m_owner = nullptr;
    std::vector<Wnd*> m_children;
    Rect m_rect;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    std::string m_text;
    std::optional<Font> m_font;
    std::optional<RoundRect> m_region;
    std::unique_ptr<ScrollBar> m_vscroll;
    SurfaceId m_surface = 0;  // top-level windows only
    std::unique_ptr<class SurfaceBridge> m_bridge;
    bool m_needErase = false;  // an erasing invalidation is pending
    bool m_invalid = false;    // an invalidation of this window is pending
};

// Free functions of the system's window services.
bool PostMessage(Wnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(Wnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
// Asks for WM_MOUSEHOVER and WM_MOUSELEAVE for `wnd`. The leave notice comes when the mouse
// leaves the window or moves onto one of its children; with a hover time of 0 the hover notice
// follows at once. Each notice ends its part of the request.
bool TrackMouseEvent(Wnd& wnd, DWORD flags, DWORD hoverTime);
Point GetCursorPos();
Size GetScreenSize();
// Sets the cursor shape over the surface the mouse is on.
void SetCursor(CursorShape shape);
// The high bit is set while the key is down.
short GetKeyState(UINT vk);

}  // namespace lumora
