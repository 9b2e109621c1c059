#include <gtest/gtest.h>

#include <vector>

#include "platform/linux/ArgbPixmap.h"

namespace lumora {
namespace {

TEST(ArgbPixmapTest, PixelsBecomeAlphaRedGreenBlueBytesRowByRow) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> pixels;
        int width, height, stride, channels;
        std::vector<std::uint8_t> argb;
    };
    const Case cases[] = {
        {"RGBA, straight alpha kept",
         {10, 20, 30, 128, 40, 50, 60, 0},
         2,
         1,
         8,
         4,
         {128, 10, 20, 30, 0, 40, 50, 60}},
        {"RGB is opaque", {10, 20, 30, 40, 50, 60}, 1, 2, 3, 3, {255, 10, 20, 30, 255, 40, 50, 60}},
        {"row padding skipped",
         {1, 2, 3, 4, 0xEE, 0xEE, 0xEE, 0xEE, 5, 6, 7, 8, 0xEE, 0xEE, 0xEE, 0xEE},
         1,
         2,
         8,
         4,
         {4, 1, 2, 3, 8, 5, 6, 7}},
        {"no pixels", {}, 0, 0, 0, 4, {}},
        {"unknown layout", {1, 2}, 1, 1, 2, 2, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ArgbPixmap(c.pixels.data(), c.width, c.height, c.stride, c.channels), c.argb)
            << c.what;
    }
}

}  // namespace
}  // namespace lumora
