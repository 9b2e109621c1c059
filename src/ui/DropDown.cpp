#include "ui/DropDown.h"

namespace lumora {

void DropDown::OnMouseMove(UINT flags, Point point) {
    SetCursor(CursorShape::Hand);
    if (!m_tracking && TrackMouseEvent(*this, TME_HOVER | TME_LEAVE, 0)) {
        m_tracking = true;
        Invalidate(true);
    }
    Dialog::OnMouseMove(flags, point);
}

void DropDown::OnMouseLeave() {
    m_tracking = false;
    if (!GetWindowRect().Contains(GetCursorPos())) ShowWindow(SW_HIDE);
}

}  // namespace lumora
