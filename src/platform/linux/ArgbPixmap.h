#pragma once

#include <cstdint>
#include <vector>

namespace lumora {

// A picture in the form notification items hand their icons over the bus: 32-bit ARGB pixels,
// straight alpha, each pixel in network byte order (A, R, G, B).
// `pixels` are rows of RGB or RGBA bytes (straight alpha, as gdk-pixbuf holds them), `stride`
// bytes apart; `channels` is 3 or 4.
std::vector<std::uint8_t> ArgbPixmap(const std::uint8_t* pixels, int width, int height, int stride,
                                     int channels);

}  // namespace lumora
