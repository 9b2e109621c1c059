#include "skin/MainWindowSkin.h"

#include <algorithm>
#include <cstring>

#include "res/ControlIds.h"
#include "skin/PremultiplyAlpha.h"
#include "skin/SkinImage.h"
#include "wnd/DC.h"

namespace lumora {

namespace {

// The light grey behind the search box, the same as the skin's search field.
constexpr ColorRef kSearchEditColor = RGB(235, 235, 235);

// The top left `width` x `height` pixels of `image` (or all of it, when it is smaller).
BgraImage TopLeft(const BgraImage& image, int width, int height) {
    BgraImage part;
    part.width = std::min(image.width, width);
    part.height = std::min(image.height, height);
    part.hasAlpha = image.hasAlpha;
    part.pixels.resize(static_cast<std::size_t>(part.width) * part.height * 4);
    for (int y = 0; y < part.height; ++y)
        std::memcpy(&part.pixels[static_cast<std::size_t>(y) * part.width * 4],
                    &image.pixels[static_cast<std::size_t>(y) * image.width * 4],
                    static_cast<std::size_t>(part.width) * 4);
    return part;
}

}  // namespace

bool MainWindowSkin::EraseBackground(DC& dc, const std::string& path) {
    if (!SkinFileExists(path)) return false;
    SkinImage image;
    if (image.Load(path)) {
        // Drawn 1:1 from its corner; a picture with alpha blends as straight alpha does.
        BgraImage part = TopLeft(image.Bits(), kBackgroundWidth, kBackgroundHeight);
        PremultiplyAlpha(part);
        dc.DrawImage(part, Rect::FromXywh(0, 0, part.width, part.height));
    }
    return true;
}

Brush MainWindowSkin::CtlColor(DC& dc, int controlId) {
    switch (controlId) {
        case kIdTitle:
            dc.SetTextColor(RGB(255, 255, 255));
            dc.SetBkMode(TRANSPARENT);
            return Brush::HollowBrush();
        case kIdSearchBox:
            return Brush::SolidColor(kSearchEditColor);
        case kIdRotation:
        case kIdInterval:
            dc.SetBkMode(TRANSPARENT);
            return Brush::HollowBrush();
        default:
            return Brush::HollowBrush();
    }
}

Font MainWindowSkin::TitleFont() {
    Font font;
    font.face = "微软雅黑";
    font.pixelHeight = 18;
    font.bold = true;
    font.italic = true;
    return font;
}

bool MainWindowSkin::LoadProgramIcon(SkinImage& icon, const std::string& path) {
    if (!icon.Load(path)) return false;
    PremultiplyAlpha(icon.Bits());
    return true;
}

void MainWindowSkin::DrawIcon(DC& iconArea, const SkinImage& icon) {
    icon.Draw(iconArea, 10, 2, kIconSize, kIconSize);
}

}  // namespace lumora
