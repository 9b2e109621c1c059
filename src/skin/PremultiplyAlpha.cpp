#include "skin/PremultiplyAlpha.h"

#include <cstddef>

namespace lumora {

void PremultiplyAlpha(BgraImage& image) {
    if (image.Empty() || !image.hasAlpha) return;
    std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    if (image.pixels.size() < count * 4) return;
    std::uint8_t* pixel = image.pixels.data();
    for (std::size_t i = 0; i < count; ++i, pixel += 4) {
        unsigned alpha = pixel[3];
        for (int channel = 0; channel < 3; ++channel)
            pixel[channel] = static_cast<std::uint8_t>(pixel[channel] * alpha / 255);
    }
}

}  // namespace lumora
