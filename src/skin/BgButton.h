#pragma once

#include <string>

#include "skin/SkinButton.h"
#include "skin/SkinImage.h"

namespace lumora {

// How a BgButton draws; kinds below 10 have two images, kinds from 10 up one (the split kind
// three, loaded by SetSplitImages).
enum BgKind : int {
    BGK_BROKEN = -1,  // a needed skin file was missing: draws nothing, for good
    BGK_NONE = 0,
    BGK_TITLE = 1,     // normal or hover image, at 29 x 23 in the top left corner
    BGK_DIALOG = 3,    // the same at 68 x 25
    BGK_BROWSE = 4,    // the same at 66 x 25
    BGK_STRETCH = 11,  // one premultiplied image over the whole button; hover changes nothing
    BGK_SPLIT = 12,    // normal, left-zone and right-zone images over the whole button
};

// Where the cursor is over a split button: its left half, its right quarter, the band between
// them, or not over the button at all.
enum class SplitZone { Left, Right, Between, Outside };

// A pure image button: the owner writes `kind`, then loads the images.
class BgButton : public SkinButton {
public:
    int kind = BGK_NONE;

    // Both paths are full paths. A missing normal image, or a missing hover image for the
    // kinds below 10, marks the button broken.
    void SetImages(std::string normalPath, std::string hoverPath);
    // For the split kind: a missing left or right image only leaves that state undrawn.
    void SetSplitImages(std::string normalPath, std::string leftPath, std::string rightPath);

    // The zones of a split button whose window is `window` (screen coordinates).
    static SplitZone ZoneAt(const Rect& window, Point screen);

    int Hovered() const { return m_hovered; }
    // The pixels of the image shown with no zone hovered (tests compare them across buttons).
    const BgraImage& NormalBits() const { return m_normalImage.Bits(); }
    int RightHovered() const { return m_rightHovered; }

    void DrawItem(DrawItemInfo& info) override;

protected:
    void HoverRule() override;
    void LeaveRule() override;

private:
    // Empties the normal and hover images and loads the normal one; a missing file breaks
    // the button.
    bool LoadNormalImage(const std::string& path, bool premultiplied);
    const SkinImage* ImageToDraw() const;

    int m_hovered = 0;
    int m_rightHovered = 0;
    SkinImage m_normalImage;
    SkinImage m_hoverImage;
    SkinImage m_rightImage;
};

}  // namespace lumora
