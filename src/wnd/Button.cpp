#include "wnd/Button.h"

namespace lumora {

namespace {
constexpr ColorRef kFrameColor = RGB(160, 160, 160);
}  // namespace

bool Button::Create(const std::string& text, DWORD style, const Rect& rect, Wnd* parent, int id) {
    return CreateEx(0, text, style | WS_CHILD, rect, parent, id);
}

void Button::SetCheck(int check) {
    if (m_check == check) return;
    m_check = check;
    Invalidate(true);
}

LRESULT Button::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_GETCHECK:
            return m_check;
        case BM_SETCHECK:
            SetCheck(static_cast<int>(wParam));
            return 0;
        default:
            return Wnd::WindowProc(message, wParam, lParam);
    }
}

void Button::OnLButtonDown(UINT, Point) {
    if (!IsWindowEnabled()) return;
    SetFocus();
    SetCapture();
    m_pressed = true;
    Invalidate(false);
}

void Button::OnLButtonUp(UINT, Point point) {
    const bool wasPressed = m_pressed && GetCapture() == this;
    m_pressed = false;
    if (GetCapture() == this) ReleaseCapture();
    if (!wasPressed) return;
    Invalidate(false);
    if (!GetClientRect().Contains(point)) return;
    OnClicked();
    if (Wnd* parent = GetParent())
        parent->PostMessage(WM_COMMAND,
                            MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), BN_CLICKED),
                            static_cast<LPARAM>(GetSafeHwnd()));
}

Brush Button::PaintBackground(DC& dc, UINT ctlColor) {
    Brush brush;
    if (Wnd* parent = GetParent()) brush = parent->SendCtlColor(dc, *this, ctlColor);
    dc.FillRect(GetClientRect(), brush);
    return brush;
}

void Button::OnPaint(DC& dc) {
    PaintBackground(dc, CTLCOLOR_BTN);
    const Rect client = GetClientRect();
    if (ButtonType() == BS_OWNERDRAW) {
        DrawItemInfo info;
        info.ctlType = ODT_BUTTON;
        info.ctlId = static_cast<UINT>(GetDlgCtrlID());
        info.itemState =
            (m_pressed ? UINT{ODS_SELECTED} : 0u) | (GetFocus() == this ? UINT{ODS_FOCUS} : 0u);
        info.item = this;
        info.dc = &dc;
        info.rcItem = client;
        if (Wnd* parent = GetParent()) parent->SendDrawItem(GetDlgCtrlID(), info);
        return;
    }
    dc.FillSolidRect(client, m_pressed ? RGB(204, 228, 247) : RGB(225, 225, 225));
    dc.FrameRect(client, kFrameColor);
    dc.SetBkMode(TRANSPARENT);
    Rect text = client;
    dc.DrawText(GetWindowText(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace lumora
