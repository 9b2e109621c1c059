#pragma once

#include "platform/Geometry.h"
#include "wnd/WinTypes.h"

namespace lumora {

// A queued message, as the message loop and pre-translation see it.
struct Msg {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

}  // namespace lumora
