#include "skin/BTButton.h"

#include "base/CodePage936.h"
#include "skin/ColorFromHex.h"
#include "skin/PremultiplyAlpha.h"

namespace lumora {

namespace {

constexpr ColorRef kBlack = RGB(0, 0, 0);
constexpr ColorRef kWhite = RGB(255, 255, 255);

void LoadIfPresent(SkinImage& image, const std::string& path) {
    if (SkinFileExists(path)) image.Load(path);
}

}  // namespace

BTButton::BTButton() : m_fillColor(ColorFromHex("#F8F8F6")) {}

void BTButton::SetImages(std::string normalPath, std::string activePath) {
    m_normalImage.Destroy();
    m_activeImage.Destroy();
    LoadIfPresent(m_normalImage, normalPath);
    LoadIfPresent(m_activeImage, activePath);
    if (style == BTS_TOGGLE || style == BTS_POPUP) {
        PremultiplyAlpha(m_normalImage.Bits());
        PremultiplyAlpha(m_activeImage.Bits());
    }
}

bool BTButton::MouseSetsHovered() const {
    return style == BTS_TAB || style == BTS_MENU_ITEM || style == BTS_PANEL_ITEM;
}

void BTButton::DrawItem(DrawItemInfo& info) {
    DC& dc = *info.dc;
    std::string caption = GetWindowText();
    int width = info.rcItem.Width();
    int height = info.rcItem.Height();
    dc.SetBkMode(TRANSPARENT);

    if (style == BTS_MENU_ITEM) {
        if (hovered == 1) dc.FillSolidRect(info.rcItem, m_fillColor);
        Rect clip{0, 0, width - 1, height};
        dc.ExtTextOut(width / 8, 3, ETO_CLIPPED, &clip, caption);
        return;
    }

    // One pixel narrower than the button.
    Rect area{0, 0, width - 1, height};
    bool active = hovered == 1 || selected == 1;
    if (drawImages) (active ? m_activeImage : m_normalImage).Draw(dc, area);
    if (style == BTS_TAB) dc.SetTextColor(active ? kBlack : kWhite);
    if (style == BTS_PANEL_ITEM) dc.SetTextColor(active ? kWhite : kBlack);
    DrawCaption(dc, caption, width, height, area);
}

void BTButton::DrawCaption(DC& dc, const std::string& caption, int width, int height,
                           const Rect& clip) {
    int x = 0;
    int y = height / 4;
    switch (style) {
        case BTS_TAB: {
            // Tab captions are placed for their length in code page 936 bytes; only the two
            // lengths of the program's tabs are drawn at all.
            std::size_t bytes = ToCodePage936(caption).size();
            if (bytes == 6)
                x = width / 2;
            else if (bytes == 8)
                x = width * 5 / 12;
            else
                return;
            break;
        }
        case BTS_TOGGLE:
            x = width * 4 / 12;
            break;
        case BTS_POPUP:
            x = width * 2 / 12;
            break;
        case BTS_PANEL_ITEM:
            x = width * 3 / 12;
            y = 5;
            break;
        default:
            return;
    }
    dc.ExtTextOut(x, y, ETO_CLIPPED, &clip, caption);
}

// The toggle and the pop-up button show hover only when their owner says so.
void BTButton::HoverRule() {
    if (MouseSetsHovered()) hovered = 1;
}

void BTButton::LeaveRule() {
    if (MouseSetsHovered()) hovered = 0;
    if (style == BTS_POPUP) {
        if (Wnd* parent = GetParent()) parent->PostMessage(WM_POPUP_LEAVE, 0, 0);
    }
}

}  // namespace lumora
