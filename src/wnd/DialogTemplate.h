#pragma once

#include <string>
#include <vector>

#include "wnd/WinTypes.h"

namespace lumora {

// One control of a dialog template; the rectangle is in dialog units.
struct DialogItem {
    int id = 0;
    std::string className;  // "Button", "Static", "Edit"
    std::string text;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;  // WS_CHILD | WS_VISIBLE are implied
    DWORD exStyle = 0;
};

// A dialog template as data: styles, size in dialog units, font and controls in the order of
// creation (which is the z-order from the top and the tab order).
struct DialogTemplate {
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string caption;
    std::string fontFace = "MS Shell Dlg";
    int pointSize = 9;
    std::vector<DialogItem> items;
};

}  // namespace lumora
