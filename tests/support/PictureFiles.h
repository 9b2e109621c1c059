#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/ImageFile.h"

namespace lumora::test {

// A picture of the given size whose colour depends on the position, so a flipped, shifted or
// channel-swapped copy never matches it.
BgraImage PatternImage(int width, int height, bool withAlpha = false);

// A picture in four solid quadrants, colours given as 0xRRGGBB: top left, top right, bottom
// left, bottom right.
BgraImage QuadrantImage(int width, int height, const std::uint32_t (&colours)[4]);

// Writes the picture with gdk-pixbuf's own savers: "png" or "jpeg". False when saving failed.
bool WritePicture(const std::filesystem::path& path, const BgraImage& image,
                  const std::string& format);

// A GIF built byte by byte: `frames` frames of the logical-screen size, frame i filled with
// palette colour i (palette: red, green, blue, white). The size may be anything up to 65535,
// since the one pixel of each frame is all the file stores.
std::string GifBytes(int width, int height, int frames);

// The B, G, R, A bytes of one pixel.
std::uint32_t PixelAt(const BgraImage& image, int x, int y);

}  // namespace lumora::test
