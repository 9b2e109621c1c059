#pragma once

#include "wnd/ChoiceButton.h"

namespace lumora {

// A check box: a box with a tick and its caption; an automatic one toggles at every click.
class CheckBox : public ChoiceButton {
protected:
    void OnClicked() override;
    void DrawMark(DC& dc, const Rect& box) override;
};

}  // namespace lumora
