#pragma once

#include "skin/SkinButton.h"

namespace lumora {

enum TButtonMode : int {
    TBM_NORMAL = 1,     // black caption, grey underline
    TBM_HIGHLIGHT = 2,  // caption and underline in `color`
};

// A text link: a centred caption, a one-pixel underline along the bottom edge and a hand
// cursor. It highlights while the mouse is over it; a pinned one stays highlighted (its owner
// pins it with mode 2 and pinned 1). It never paints its background: the owner's control
// colouring leaves it transparent.
class TButton : public SkinButton {
public:
    ColorRef color = 0;  // 0: none, black
    int mode = TBM_NORMAL;
    int pinned = 0;
    int tag = 1;  // for the owner

    void DrawItem(DrawItemInfo& info) override;

protected:
    void HoverRule() override;
    void LeaveRule() override;
    bool OnSetCursor(Wnd& window, int hitTest, UINT mouseMessage) override;

private:
};

}  // namespace lumora
