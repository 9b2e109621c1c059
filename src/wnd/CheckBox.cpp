#include "wnd/CheckBox.h"

namespace lumora {

namespace {
constexpr int kBox = 13;
constexpr int kTextGap = 3;
}  // namespace

void CheckBox::OnClicked() {
    if (ButtonType() == BS_AUTOCHECKBOX)
        SetCheck(GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

void CheckBox::OnPaint(DC& dc) {
    PaintBackground(dc, CTLCOLOR_STATIC);
    const Rect client = GetClientRect();
    const Rect box = Rect::FromXywh(0, (client.Height() - kBox) / 2, kBox, kBox);
    dc.FillSolidRect(box, RGB(255, 255, 255));
    dc.FrameRect(box, RGB(51, 51, 51));
    if (GetCheck() == BST_CHECKED) {
        const Rect inner{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
        dc.FillSolidRect(inner, RGB(51, 51, 51));
    }
    Rect text{box.right + kTextGap, 0, client.right, client.bottom};
    dc.DrawText(GetWindowText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace lumora
