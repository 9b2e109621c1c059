#include "skin/BgButton.h"

namespace lumora {

namespace {

// Kinds 1, 3 and 4 draw at a fixed size, whatever the size of the button.
Rect FixedSize(int kind) {
    switch (kind) {
        case BGK_TITLE:
            return Rect::FromXywh(0, 0, 29, 23);
        case BGK_DIALOG:
            return Rect::FromXywh(0, 0, 68, 25);
        case BGK_BROWSE:
            return Rect::FromXywh(0, 0, 66, 25);
        default:
            return Rect{};
    }
}

}  // namespace

// Skin images come from the process-wide cache: every card of the gallery carries the same
// three tag images and delete image, decoded once.
bool BgButton::LoadNormalImage(const std::string& path, bool premultiplied) {
    m_normalImage.Destroy();
    m_hoverImage.Destroy();
    if (!SkinFileExists(path)) {
        kind = BGK_BROKEN;
        return false;
    }
    m_normalImage.LoadShared(path, premultiplied);
    return true;
}

void BgButton::SetImages(std::string normalPath, std::string hoverPath) {
    if (!LoadNormalImage(normalPath, kind == BGK_STRETCH)) return;
    if (kind < 10) {
        if (SkinFileExists(hoverPath))
            m_hoverImage.LoadShared(hoverPath, false);
        else
            kind = BGK_BROKEN;
    }
}

void BgButton::SetSplitImages(std::string normalPath, std::string leftPath, std::string rightPath) {
    m_rightImage.Destroy();
    if (!LoadNormalImage(normalPath, false)) return;
    if (SkinFileExists(leftPath)) m_hoverImage.LoadShared(leftPath, false);
    if (SkinFileExists(rightPath)) m_rightImage.LoadShared(rightPath, false);
}

SplitZone BgButton::ZoneAt(const Rect& window, Point screen) {
    if (!window.Contains(screen)) return SplitZone::Outside;
    int width = window.Width();
    if (screen.x < window.left + width / 2) return SplitZone::Left;
    if (screen.x >= window.left + (3 * width) / 4) return SplitZone::Right;
    return SplitZone::Between;
}

const SkinImage* BgButton::ImageToDraw() const {
    switch (kind) {
        case BGK_TITLE:
        case BGK_DIALOG:
        case BGK_BROWSE:
            return m_hovered ? &m_hoverImage : &m_normalImage;
        case BGK_STRETCH:
            return &m_normalImage;
        case BGK_SPLIT:
            if (m_hovered == 1 && m_rightHovered == 0) return &m_hoverImage;
            if (m_hovered == 0 && m_rightHovered == 1) return &m_rightImage;
            return &m_normalImage;
        default:
            return nullptr;
    }
}

void BgButton::DrawItem(DrawItemInfo& info) {
    DC& dc = *info.dc;
    dc.SetBkMode(TRANSPARENT);
    const SkinImage* image = ImageToDraw();
    if (image == nullptr) return;
    Rect fixed = FixedSize(kind);
    image->Draw(dc, fixed.IsEmpty() ? info.rcItem : fixed);
}

void BgButton::HoverRule() {
    if (kind != BGK_SPLIT) {
        m_hovered = 1;
        return;
    }
    // The band between the zones keeps whichever image the last zone showed.
    switch (ZoneAt(GetWindowRect(), GetCursorPos())) {
        case SplitZone::Left:
            m_hovered = 1;
            m_rightHovered = 0;
            break;
        case SplitZone::Right:
            m_hovered = 0;
            m_rightHovered = 1;
            break;
        default:
            break;
    }
}

void BgButton::LeaveRule() {
    m_hovered = 0;
    m_rightHovered = 0;
}

}  // namespace lumora
