#pragma once

#include <optional>

#include "base/Geometry.h"
#include "wnd/WinTypes.h"

namespace lumora {

// Mouse input as the window it is meant for receives it, carried whole by the message.
struct MouseEvent {
    UINT keys = 0;  // MK_* bits of buttons and modifiers held
    Point point;    // client coordinates; screen coordinates for the wheel and non-client messages
    int wheelDelta = 0;  // the wheel only: +120 a notch away from the user
    int hitTest = 0;     // non-client messages only: the OnNcHitTest answer
};

// A queued message, as the message loop and pre-translation see it. Mouse input from the host
// travels in `mouse`; wParam and lParam are then 0.
struct Msg {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::optional<MouseEvent> mouse;
};

}  // namespace lumora
