// The message switch of Wnd: every message the framework knows is cracked here into a call of
// its typed handler; the rest goes to DefWindowProc. The handlers' default processing follows.
#include "wnd/ScrollBar.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

namespace {

Point ClientPoint(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

DC& ContextOf(WPARAM w) { return *reinterpret_cast<DC*>(w); }

UINT CtlColorKind(UINT message)
{
    switch (message) {
    case WM_CTLCOLOREDIT: return CTLCOLOR_EDIT;
    case WM_CTLCOLORBTN: return CTLCOLOR_BTN;
    case WM_CTLCOLORDLG: return CTLCOLOR_DLG;
    default: return CTLCOLOR_STATIC;
    }
}

}  // namespace

LRESULT Wnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_NCDESTROY: OnNcDestroy(); return 0;
    case WM_PAINT: OnPaint(ContextOf(wParam)); return 0;
    case WM_ERASEBKGND: return OnEraseBkgnd(ContextOf(wParam)) ? 1 : 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: {
        Wnd* control = FromHandle(static_cast<HWND>(lParam));
        return BrushToResult(OnCtlColor(ContextOf(wParam), control != nullptr ? *control : *this,
                                        CtlColorKind(message)));
    }
    case WM_NCPAINT: OnNcPaint(); return 0;
    case WM_NCHITTEST: return OnNcHitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SETCURSOR: {
        Wnd* window = FromHandle(static_cast<HWND>(wParam));
        return OnSetCursor(window != nullptr ? *window : *this, static_cast<std::int16_t>(LOWORD(lParam)),
                           HIWORD(lParam))
                   ? 1
                   : 0;
    }
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), ClientPoint(lParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), ClientPoint(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), ClientPoint(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wParam), ClientPoint(lParam)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(static_cast<UINT>(wParam), ClientPoint(lParam)); return 0;
    case WM_MOUSEHOVER: OnMouseHover(static_cast<UINT>(wParam), ClientPoint(lParam)); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(LOWORD(wParam), static_cast<short>(GET_WHEEL_DELTA_WPARAM(wParam)),
                            {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})
                   ? 1
                   : 0;
    case WM_NCLBUTTONDOWN:
        OnNcLButtonDown(static_cast<int>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), FromHandle(static_cast<HWND>(lParam))) ? 1 : 0;
    case WM_DRAWITEM: {
        auto* info = reinterpret_cast<DrawItemInfo*>(lParam);
        OnDrawItem(static_cast<int>(wParam), *info);
        return 1;
    }
    case WM_TIMER: OnTimer(static_cast<UINT>(wParam)); return 0;
    case WM_VSCROLL: {
        int pos = static_cast<int>(HIWORD(wParam));
        // Positions beyond 16 bits come from the bar itself while its thumb moves.
        if (m_vscroll && lParam == 0 && (m_vscroll->TrackPos() & 0xFFFF) == pos) pos = m_vscroll->TrackPos();
        OnVScroll(LOWORD(wParam), pos, FromHandle(static_cast<HWND>(lParam)));
        return 0;
    }
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_KEYUP: OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_CHAR: OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: OnSetFocus(FromHandle(static_cast<HWND>(wParam))); return 0;
    case WM_KILLFOCUS: OnKillFocus(FromHandle(static_cast<HWND>(wParam))); return 0;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOVE: OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != 0, static_cast<UINT>(lParam)); return 0;
    case WM_CLOSE: OnClose(); return 0;
    default: return DefWindowProc(message, wParam, lParam);
    }
}

void Wnd::OnPaint(DC&) {}

bool Wnd::OnEraseBkgnd(DC&) { return false; }

Brush Wnd::OnCtlColor(DC& dc, Wnd&, UINT ctlColor)
{
    if (ctlColor == CTLCOLOR_EDIT) {
        dc.SetBkColor(RGB(255, 255, 255));
        return Brush::SolidColor(RGB(255, 255, 255));
    }
    dc.SetBkColor(kFaceColor);
    return Brush::SolidColor(kFaceColor);
}

int Wnd::OnNcHitTest(Point screen)
{
    const Point p = ScreenToClient(screen);
    if (m_vscroll && m_vscroll->Visible() && m_vscroll->Area().Contains(p)) return HTVSCROLL;
    return Rect{0, 0, m_rect.Width(), m_rect.Height()}.Contains(p) ? HTCLIENT : HTNOWHERE;
}

bool Wnd::OnSetCursor(Wnd& window, int hitTest, UINT mouseMessage)
{
    // The parent has the first word; then the arrow.
    if (m_parent != nullptr &&
        m_parent->SendMessage(WM_SETCURSOR, window.GetSafeHwnd(), MAKELPARAM(hitTest, mouseMessage)) != 0)
        return true;
    if (this == &window) lumora::SetCursor(CursorShape::Arrow);
    return false;
}

bool Wnd::OnMouseWheel(UINT flags, short delta, Point screen)
{
    Wnd* parent = m_parent;
    if (parent == nullptr) return false;
    return parent->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<unsigned short>(delta)),
                               MAKELPARAM(screen.x, screen.y)) != 0;
}

void Wnd::OnNcLButtonDown(int hitTest, Point screen)
{
    if (hitTest == HTCAPTION) {
        BeginMoveDrag();
    } else if (hitTest == HTVSCROLL && m_vscroll) {
        const Point client = ScreenToClient(screen);
        m_vscroll->Press(client);
    }
}

void Wnd::OnDrawItem(int, DrawItemInfo& info)
{
    if (info.item != nullptr) info.item->DrawItem(info);
}

void Wnd::OnClose() { DestroyWindow(); }

LRESULT Wnd::DefWindowProc(UINT, WPARAM, LPARAM) { return 0; }

}  // namespace lumora
