#pragma once

#include <cstdint>
#include <string>

namespace lumora {

// Message box buttons and icons, with the Win32 values the program's callers use.
enum MessageBoxType : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x4,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};

// Results of modal boxes and dialogs.
enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

// A top-level surface of the host; 0 stands for none (an unowned box).
using SurfaceId = std::uint64_t;

// Everything the program needs from the desktop's windowing system. The GTK host is the real
// one; the headless host records and scripts it for tests. The window framework adds
// surfaces, input delivery, timers, native children, dialogs, menus and the notification icon.
class Host {
public:
    virtual ~Host() = default;

    // Shows a modal message box owned by `owner` and returns the button pressed
    // (IDOK, IDYES or IDNO; closing the box counts as IDOK for MB_OK and IDNO for MB_YESNO).
    virtual int MessageBox(SurfaceId owner, const std::string& text, const std::string& caption,
                           unsigned type) = 0;
};

}  // namespace lumora
