#include "wnd/CheckBox.h"

namespace lumora {

void CheckBox::OnClicked() {
    if (ButtonType() == BS_AUTOCHECKBOX)
        SetCheck(GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

void CheckBox::DrawMark(DC& dc, const Rect& box) {
    dc.FillSolidRect(box, RGB(255, 255, 255));
    dc.FrameRect(box, RGB(51, 51, 51));
    if (GetCheck() == BST_CHECKED) {
        const Rect inner{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
        dc.FillSolidRect(inner, RGB(51, 51, 51));
    }
}

}  // namespace lumora
