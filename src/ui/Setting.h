#pragma once

#include "wnd/Dialog.h"

namespace lumora {

// The settings dialog, a pop-up over the main window.
class Setting : public Dialog {
public:
    Setting();
};

}  // namespace lumora
