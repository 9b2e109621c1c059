#pragma once

#include <cstdint>
#include <vector>

#include "platform/ImageFile.h"

namespace lumora {

class DC;
struct Rect;

// A card's picture, kept at the size it is drawn and in three bytes a pixel, so a thousand
// cards hold a thousand small pictures and nothing more. Transparent parts are flattened onto
// white, as the cards never show what lies behind a picture.
class CardPicture {
public:
    CardPicture() = default;
    explicit CardPicture(const BgraImage& image);

    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    std::size_t Bytes() const { return m_rgb.capacity(); }

    // Scaled into `dest`.
    void Draw(DC& dc, const Rect& dest) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_rgb;
};

}  // namespace lumora
