#pragma once

#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "platform/ImageFile.h"

namespace lumora {

class DC;

// A card's picture, kept at the size it is drawn and in three bytes a pixel, so a thousand
// cards hold a thousand small pictures and nothing more. Only the part the card can show is
// kept: the picture area reaches beyond the card's own edges. Transparent parts are flattened
// onto white, as the cards never show what lies behind a picture.
class CardPicture {
public:
    CardPicture() = default;
    // `image` at the full size of the picture area; `visible` the part of it, from its top
    // left corner, that the card shows.
    CardPicture(const BgraImage& image, Size visible);

    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    std::size_t Bytes() const { return m_rgb.capacity(); }

    // As if the whole picture were scaled into `dest`.
    void Draw(DC& dc, const Rect& dest) const;

private:
    int m_fullWidth = 0;
    int m_fullHeight = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_rgb;
};

}  // namespace lumora
