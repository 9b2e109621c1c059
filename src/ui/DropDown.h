#pragma once

#include "wnd/Dialog.h"

namespace lumora {

// A pop-up list that closes as soon as the mouse leaves it, with the hand cursor over its
// background: the interval picker and the menu panel.
class DropDown : public Dialog {
public:
    using Dialog::Dialog;

    // A hover-and-leave request for the pop-up's own window is pending.
    bool Tracking() const { return m_tracking; }

protected:
    void OnMouseMove(UINT flags, Point point) override;
    // A leave notice also comes when the mouse moves onto one of the entries; the cursor is
    // then still inside the pop-up, which stays.
    void OnMouseLeave() override;

private:
    bool m_tracking = false;
};

}  // namespace lumora
