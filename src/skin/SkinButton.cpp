#include "skin/SkinButton.h"

namespace lumora {

void SkinButton::OnMouseMove(UINT flags, Point point) {
    // A refused request leaves tracking off, so the next move tries again.
    if (!m_tracking && TrackMouseEvent(*this, TME_HOVER | TME_LEAVE, 0)) {
        m_tracking = true;
        Invalidate(true);
    }
    Button::OnMouseMove(flags, point);
}

void SkinButton::OnMouseHover(UINT flags, Point point) {
    m_tracking = false;
    HoverRule();
    Invalidate(true);
    Button::OnMouseHover(flags, point);
}

void SkinButton::OnMouseLeave() {
    m_tracking = false;
    LeaveRule();
    Invalidate(true);
    Button::OnMouseLeave();
}

}  // namespace lumora
