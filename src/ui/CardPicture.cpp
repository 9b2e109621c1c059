#include "ui/CardPicture.h"

#include <algorithm>

#include "wnd/DC.h"

namespace lumora {

CardPicture::CardPicture(const BgraImage& image, Size visible) {
    if (image.Empty() ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * image.height * 4) {
        return;
    }
    m_fullWidth = image.width;
    m_fullHeight = image.height;
    m_width = std::clamp(visible.width, 0, image.width);
    m_height = std::clamp(visible.height, 0, image.height);
    m_rgb.resize(static_cast<std::size_t>(m_width) * m_height * 3);
    std::uint8_t* out = m_rgb.data();
    for (int y = 0; y < m_height; ++y) {
        const std::uint8_t* in =
            image.pixels.data() + static_cast<std::size_t>(y) * image.width * 4;
        for (int x = 0; x < m_width; ++x, in += 4, out += 3) {
            const unsigned alpha = image.hasAlpha ? in[3] : 255;
            for (int c = 0; c < 3; ++c) {
                out[c] =
                    static_cast<std::uint8_t>((in[c] * alpha + 255 * (255 - alpha) + 127) / 255);
            }
        }
    }
}

void CardPicture::Draw(DC& dc, const Rect& dest) const {
    if (Empty()) return;
    // The drawing context takes four bytes a pixel; the copy lives for this draw only.
    BgraImage frame;
    frame.width = m_width;
    frame.height = m_height;
    frame.pixels.resize(static_cast<std::size_t>(m_width) * m_height * 4);
    const std::uint8_t* in = m_rgb.data();
    std::uint8_t* out = frame.pixels.data();
    for (std::size_t i = 0, n = static_cast<std::size_t>(m_width) * m_height; i < n;
         ++i, in += 3, out += 4) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        out[3] = 0xFF;
    }
    // The kept part covers the same share of `dest` as it did of the whole picture.
    const int width =
        static_cast<int>(static_cast<long long>(dest.Width()) * m_width / m_fullWidth);
    const int height =
        static_cast<int>(static_cast<long long>(dest.Height()) * m_height / m_fullHeight);
    dc.DrawImage(frame, Rect::FromXywh(dest.left, dest.top, width, height));
}

}  // namespace lumora
