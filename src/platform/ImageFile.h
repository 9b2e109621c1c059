#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

// A decoded picture: rows top to bottom, 4 bytes a pixel in the order B, G, R, A, straight
// (not premultiplied) alpha, stride = width * 4. This is also cairo's ARGB32 byte order on the
// little-endian machines we run on, once premultiplied.
struct BgraImage {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;  // the source carried an alpha channel
    std::vector<std::uint8_t> pixels;

    bool Empty() const { return width <= 0 || height <= 0; }
};

// Pictures above this many pixels are not decoded, so a crafted file cannot exhaust memory.
inline constexpr std::int64_t kMaxDecodePixels = 100'000'000;

// Whether a picture of this size is refused: one without pixels, or above kMaxDecodePixels.
inline bool TooLargeToDecode(std::int64_t width, std::int64_t height) {
    return width <= 0 || height <= 0 || width * height > kMaxDecodePixels;
}

// Decodes a whole PNG, JPEG, GIF (first frame) or BMP file, told by its content. Empty for any
// other content, a cut file, a picture above kMaxDecodePixels, or a decoding error.
std::optional<BgraImage> LoadImageFile(const std::string& path);

// Writes a Windows bitmap (24-bit BI_RGB, bottom-up) of the picture, replacing `path` atomically.
bool SaveBitmapFile(const BgraImage& image, const std::string& path);

}  // namespace lumora
