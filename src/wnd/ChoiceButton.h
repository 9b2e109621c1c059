#pragma once

#include "wnd/Button.h"

namespace lumora {

// A button drawn as a mark (a box, a dot) at its left edge and its caption beside it, on the
// parent's static colouring: what check boxes and radio buttons share.
class ChoiceButton : public Button {
protected:
    void OnPaint(DC& dc) override;
    // Draws the mark, checked or not, into its 13 x 13 square.
    virtual void DrawMark(DC& dc, const Rect& mark) = 0;
};

}  // namespace lumora
