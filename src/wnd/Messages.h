#pragma once

#include "wnd/WinTypes.h"

namespace lumora {

// Window messages with their Win32 values.
enum : UINT {
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_SETTEXT = 0x000C,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_SETCURSOR = 0x0020,
    WM_DRAWITEM = 0x002B,
    WM_SETFONT = 0x0030,
    WM_NCDESTROY = 0x0082,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_NCMOUSEMOVE = 0x00A0,
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
    WM_TIMER = 0x0113,
    WM_VSCROLL = 0x0115,
    WM_CTLCOLOREDIT = 0x0133,
    WM_CTLCOLORBTN = 0x0135,
    WM_CTLCOLORDLG = 0x0136,
    WM_CTLCOLORSTATIC = 0x0138,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MOUSEWHEEL = 0x020A,
    WM_MOUSEHOVER = 0x02A1,
    WM_MOUSELEAVE = 0x02A3,
    WM_USER = 0x0400,
};

// The program's own messages. All are posted with lParam 0, except the notification icon's,
// whose lParam is the mouse message on the icon.
enum : UINT {
    WM_TRAY_NOTIFY = WM_USER + 102,      // wParam: icon id 0x466
    WM_INTERVAL_PICKED = WM_USER + 103,  // wParam: interval index 0 to 6
    WM_PANEL_COMMAND = WM_USER + 104,    // wParam: 1 settings, 4 home page, -1 exit
    WM_GALLERY_RELOAD = WM_USER + 105,   // wParam: 0
    WM_POPUP_LEAVE = WM_USER + 106,      // wParam: 0
};

// Button messages and notification codes (the high word of WM_COMMAND's wParam).
enum : UINT {
    BM_GETCHECK = 0x00F0,
    BM_SETCHECK = 0x00F1,
    BN_CLICKED = 0,
    EN_SETFOCUS = 0x0100,
    EN_KILLFOCUS = 0x0200,
    EN_CHANGE = 0x0300,
    BST_UNCHECKED = 0,
    BST_CHECKED = 1,
};

// Scroll codes (the low word of WM_VSCROLL's wParam) and scroll bar ids.
enum : UINT {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
    SB_VERT = 1,
};

// Hit-test answers of WM_NCHITTEST.
enum : int {
    HTTRANSPARENT = -1,
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTVSCROLL = 7,
};

// Key and button state bits of mouse messages.
enum : UINT {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// Mouse tracking requests.
enum : DWORD {
    TME_HOVER = 0x00000001,
    TME_LEAVE = 0x00000002,
    TME_CANCEL = 0x80000000,
    HOVER_DEFAULT = 0xFFFFFFFF,
};

// Virtual-key codes the framework and the program look at.
enum : UINT {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
};

}  // namespace lumora
