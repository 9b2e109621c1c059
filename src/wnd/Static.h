#pragma once

#include "wnd/Wnd.h"

namespace lumora {

// Static text, or an owner-drawn static area. Transparent to the mouse unless SS_NOTIFY: the
// window below it gets the mouse.
class Static : public Wnd {
protected:
    int OnNcHitTest(Point screen) override;
    void OnPaint(DC& dc) override;
};

}  // namespace lumora
