#pragma once

#include "wnd/ChoiceButton.h"

namespace lumora {

// A radio button. An automatic one, when clicked, is checked and every other radio button of
// its group is cleared; a group runs from a sibling with WS_GROUP up to the next one.
class RadioButton : public ChoiceButton {
protected:
    void OnClicked() override;
    void DrawMark(DC& dc, const Rect& dot) override;
};

}  // namespace lumora
