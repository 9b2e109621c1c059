#include "platform/linux/ArgbPixmap.h"

#include <cstddef>

namespace lumora {

std::vector<std::uint8_t> ArgbPixmap(const std::uint8_t* pixels, int width, int height, int stride,
                                     int channels) {
    std::vector<std::uint8_t> argb;
    if (!pixels || width <= 0 || height <= 0 || (channels != 3 && channels != 4)) return argb;
    argb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* p = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x, p += channels) {
            argb.push_back(channels == 4 ? p[3] : 0xFF);
            argb.push_back(p[0]);
            argb.push_back(p[1]);
            argb.push_back(p[2]);
        }
    }
    return argb;
}

}  // namespace lumora
