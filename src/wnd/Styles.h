#pragma once

#include "wnd/WinTypes.h"

namespace lumora {

// Window styles.
enum : DWORD {
    WS_POPUP = 0x80000000,
    WS_CHILD = 0x40000000,
    WS_VISIBLE = 0x10000000,
    WS_DISABLED = 0x08000000,
    WS_CLIPSIBLINGS = 0x04000000,
    WS_CLIPCHILDREN = 0x02000000,
    WS_BORDER = 0x00800000,
    WS_VSCROLL = 0x00200000,
    WS_SYSMENU = 0x00080000,
    WS_GROUP = 0x00020000,
    WS_TABSTOP = 0x00010000,
    WS_MINIMIZEBOX = 0x00020000,
};

// Extended window styles.
enum : DWORD {
    WS_EX_TRANSPARENT = 0x00000020,
    WS_EX_TOOLWINDOW = 0x00000080,
    WS_EX_CLIENTEDGE = 0x00000200,
    WS_EX_APPWINDOW = 0x00040000,
};

// Dialog template styles.
enum : DWORD {
    DS_SETFONT = 0x40,
    DS_FIXEDSYS = 0x0008,
};

// Button styles (the low four bits are the kind).
enum : DWORD {
    BS_PUSHBUTTON = 0x0,
    BS_DEFPUSHBUTTON = 0x1,
    BS_CHECKBOX = 0x2,
    BS_AUTOCHECKBOX = 0x3,
    BS_RADIOBUTTON = 0x4,
    BS_AUTORADIOBUTTON = 0x9,
    BS_OWNERDRAW = 0xB,
    BS_TYPEMASK = 0xF,
};

// Static styles.
enum : DWORD {
    SS_LEFT = 0x0,
    SS_CENTER = 0x1,
    SS_OWNERDRAW = 0xD,
    SS_TYPEMASK = 0x1F,
    SS_NOTIFY = 0x100,
};

// Edit styles.
enum : DWORD {
    ES_MULTILINE = 0x0004,
    ES_AUTOHSCROLL = 0x0080,
    ES_READONLY = 0x0800,
    ES_WANTRETURN = 0x1000,
};

// ShowWindow commands.
enum : int {
    SW_HIDE = 0,
    SW_SHOWNORMAL = 1,
    SW_SHOW = 5,
};

}  // namespace lumora
