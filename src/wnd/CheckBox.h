#pragma once

#include "wnd/Button.h"

namespace lumora {

// A check box: a box with a tick and its caption; an automatic one toggles at every click.
class CheckBox : public Button {
protected:
    void OnClicked() override;
    void OnPaint(DC& dc) override;
};

}  // namespace lumora
