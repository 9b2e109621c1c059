#pragma once

#include "wnd/Button.h"

namespace lumora {

// The mouse handling the three skinned buttons share. A mouse move asks once for a hover and
// a leave notice (hover time 0, so the hover notice follows at once); each notice ends the
// request, so the next move asks again and the hover rule runs on every move over the button.
// Each notice applies the class's rule and redraws the whole button.
class SkinButton : public Button {
public:
    bool Tracking() const { return m_tracking; }

protected:
    virtual void HoverRule() = 0;
    virtual void LeaveRule() = 0;

    void OnMouseMove(UINT flags, Point point) final;
    void OnMouseHover(UINT flags, Point point) final;
    void OnMouseLeave() final;

private:
    bool m_tracking = false;
};

}  // namespace lumora
