#pragma once

#include <string>

#include "skin/SkinButton.h"
#include "skin/SkinImage.h"

namespace lumora {

enum BTStyle : int {
    BTS_TAB = 0,         // page tab: caption only for 6 or 8 bytes, white or black
    BTS_TOGGLE = 1,      // premultiplied images, the owner drives hover and selection
    BTS_POPUP = 2,       // as the toggle, and tells the parent when the mouse leaves
    BTS_MENU_ITEM = 3,   // no images: a fill colour under the caption while hovered
    BTS_PANEL_ITEM = 4,  // black caption, white while hovered
};

// An image button with its caption drawn over the image. The owner writes `style`,
// `drawImages` and `selected` (and `hovered` for the toggle and pop-up styles), then loads the
// images; "active" means hovered or selected.
class BTButton : public SkinButton {
public:
    BTButton();

    int style = BTS_TAB;
    bool drawImages = false;
    int hovered = 0;
    int selected = 0;

    // Either image may be missing; the state that shows it then draws no image. Styles 1 and 2
    // premultiply both, so `style` must be written first.
    void SetImages(std::string normalPath, std::string activePath);

    void DrawItem(DrawItemInfo& info) override;

protected:
    void HoverRule() override;
    void LeaveRule() override;

private:
    bool MouseSetsHovered() const;
    void DrawCaption(DC& dc, const std::string& caption, int width, int height, const Rect& clip);

    ColorRef m_fillColor;
    SkinImage m_normalImage;
    SkinImage m_activeImage;
};

}  // namespace lumora
