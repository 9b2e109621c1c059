#include "wnd/Static.h"

namespace lumora {

int Static::OnNcHitTest(Point screen) {
    if ((GetStyle() & SS_NOTIFY) == 0) return HTTRANSPARENT;
    return Wnd::OnNcHitTest(screen);
}

void Static::OnPaint(DC& dc) {
    Wnd* parent = GetParent();
    const Rect client = GetClientRect();
    if ((GetStyle() & SS_TYPEMASK) == SS_OWNERDRAW) {
        DrawItemInfo info;
        info.ctlType = ODT_STATIC;
        info.ctlId = static_cast<UINT>(GetDlgCtrlID());
        info.item = this;
        info.dc = &dc;
        info.rcItem = client;
        if (parent != nullptr) parent->SendDrawItem(GetDlgCtrlID(), info);
        return;
    }
    Brush brush;
    if (parent != nullptr) brush = parent->SendCtlColor(dc, *this, CTLCOLOR_STATIC);
    dc.FillRect(client, brush);
    Rect text = client;
    const UINT align = (GetStyle() & SS_TYPEMASK) == SS_CENTER ? DT_CENTER : DT_LEFT;
    dc.DrawText(GetWindowText(), text, align | DT_WORDBREAK | DT_EXPANDTABS);
}

}  // namespace lumora
