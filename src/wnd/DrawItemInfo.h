#pragma once

#include "base/Geometry.h"
#include "wnd/WinTypes.h"

namespace lumora {

class DC;
class Wnd;

inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODT_STATIC = 5;
inline constexpr UINT ODA_DRAWENTIRE = 1;
inline constexpr UINT ODS_SELECTED = 0x1;
inline constexpr UINT ODS_FOCUS = 0x10;

// What an owner-drawn control hands its owner to draw it: the control's client rectangle and
// a context on it, plus state bits (selected while pressed, focus).
struct DrawItemInfo {
    UINT ctlType = ODT_BUTTON;
    UINT ctlId = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    Wnd* item = nullptr;
    DC* dc = nullptr;
    Rect rcItem;
};

}  // namespace lumora
