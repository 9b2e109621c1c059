// The message switch of Wnd: every message the framework knows is cracked here into a call of
// its typed handler; the rest goes to DefWindowProc. The handlers' default processing follows.
#include "wnd/ScrollBar.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

namespace {

Point ClientPoint(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

}  // namespace

LRESULT Wnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            OnNcDestroy();
            return 0;
        case WM_NCPAINT:
            OnNcPaint();
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MOUSEHOVER:
            return MouseProc(message, {static_cast<UINT>(wParam), ClientPoint(lParam)});
        case WM_MOUSEWHEEL:
            return MouseProc(message,
                             {LOWORD(wParam), ClientPoint(lParam), GET_WHEEL_DELTA_WPARAM(wParam)});
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), FromHandle(static_cast<HWND>(lParam)))
                       ? 1
                       : 0;
        case WM_TIMER:
            OnTimer(static_cast<UINT>(wParam));
            return 0;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wParam), static_cast<int>(HIWORD(wParam)),
                      FromHandle(static_cast<HWND>(lParam)));
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_KEYUP:
            OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_CHAR:
            OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SETFOCUS:
            OnSetFocus(FromHandle(static_cast<HWND>(wParam)));
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus(FromHandle(static_cast<HWND>(wParam)));
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(wParam != 0, static_cast<UINT>(lParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT Wnd::MouseProc(UINT message, const MouseEvent& event) {
    // The client-area messages that differ only in their handler.
    struct Route {
        UINT message;
        void (Wnd::*handler)(UINT, Point);
    };
    static constexpr Route kRoutes[] = {
        {WM_MOUSEMOVE, &Wnd::OnMouseMove}, {WM_LBUTTONDOWN, &Wnd::OnLButtonDown},
        {WM_LBUTTONUP, &Wnd::OnLButtonUp}, {WM_RBUTTONDOWN, &Wnd::OnRButtonDown},
        {WM_RBUTTONUP, &Wnd::OnRButtonUp}, {WM_MOUSEHOVER, &Wnd::OnMouseHover},
    };
    for (const Route& route : kRoutes) {
        if (route.message == message) {
            (this->*route.handler)(event.keys, event.point);
            return 0;
        }
    }
    if (message == WM_MOUSEWHEEL)
        return OnMouseWheel(event.keys, static_cast<short>(event.wheelDelta), event.point) ? 1 : 0;
    if (message == WM_NCLBUTTONDOWN) OnNcLButtonDown(event.hitTest, event.point);
    return 0;
}

void Wnd::OnPaint(DC&) {}

bool Wnd::OnEraseBkgnd(DC&) { return false; }

Brush Wnd::OnCtlColor(DC& dc, Wnd&, UINT ctlColor) {
    if (ctlColor == CTLCOLOR_EDIT) {
        dc.SetBkColor(RGB(255, 255, 255));
        return Brush::SolidColor(RGB(255, 255, 255));
    }
    dc.SetBkColor(kFaceColor);
    return Brush::SolidColor(kFaceColor);
}

int Wnd::OnNcHitTest(Point screen) {
    const Point p = ScreenToClient(screen);
    if (m_vscroll && m_vscroll->Visible() && m_vscroll->Area().Contains(p)) return HTVSCROLL;
    return Rect{0, 0, m_rect.Width(), m_rect.Height()}.Contains(p) ? HTCLIENT : HTNOWHERE;
}

bool Wnd::OnSetCursor(Wnd& window, int hitTest, UINT mouseMessage) {
    // The parent has the first word; then the arrow.
    if (m_parent != nullptr && m_parent->IsWindow() &&
        m_parent->OnSetCursor(window, hitTest, mouseMessage))
        return true;
    if (this == &window) lumora::SetCursor(CursorShape::Arrow);
    return false;
}

bool Wnd::OnMouseWheel(UINT flags, short delta, Point screen) {
    Wnd* parent = m_parent;
    if (parent == nullptr) return false;
    return parent->SendMouse(WM_MOUSEWHEEL, {flags, screen, delta}) != 0;
}

void Wnd::OnNcLButtonDown(int hitTest, Point screen) {
    if (hitTest == HTCAPTION) {
        BeginMoveDrag();
    } else if (hitTest == HTVSCROLL && m_vscroll) {
        const Point client = ScreenToClient(screen);
        m_vscroll->Press(client);
    }
}

void Wnd::OnDrawItem(int, DrawItemInfo& info) {
    if (info.item != nullptr) info.item->DrawItem(info);
}

void Wnd::OnClose() { DestroyWindow(); }

LRESULT Wnd::DefWindowProc(UINT, WPARAM, LPARAM) { return 0; }

}  // namespace lumora
