#pragma once

#include "wnd/Dialog.h"

namespace lumora {

// The menu panel that drops from the menu button.
class PPSET : public Dialog {
public:
    PPSET();
};

}  // namespace lumora
