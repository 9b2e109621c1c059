#pragma once

#include "wnd/Dialog.h"

namespace lumora {

// The online wallpaper page: a child window below the tabs that holds the library page.
class LMDialog : public Dialog {
public:
    LMDialog();
};

}  // namespace lumora
