#include "wnd/ChoiceButton.h"

namespace lumora {

namespace {
constexpr int kMark = 13;
constexpr int kTextGap = 3;
}  // namespace

void ChoiceButton::OnPaint(DC& dc) {
    PaintBackground(dc, CTLCOLOR_STATIC);
    const Rect client = GetClientRect();
    const Rect mark = Rect::FromXywh(0, (client.Height() - kMark) / 2, kMark, kMark);
    DrawMark(dc, mark);
    Rect text{mark.right + kTextGap, 0, client.right, client.bottom};
    dc.DrawText(GetWindowText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace lumora
