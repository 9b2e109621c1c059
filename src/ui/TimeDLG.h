#pragma once

#include "wnd/Dialog.h"

namespace lumora {

// The interval picker, a pop-up above the interval button.
class TimeDLG : public Dialog {
public:
    TimeDLG();
};

}  // namespace lumora
