#include <gtest/gtest.h>

#include <array>

#include "skin/PremultiplyAlpha.h"

namespace lumora {
namespace {

BgraImage OnePixel(std::array<std::uint8_t, 4> bgra, bool hasAlpha = true) {
    BgraImage image;
    image.width = 1;
    image.height = 1;
    image.hasAlpha = hasAlpha;
    image.pixels.assign(bgra.begin(), bgra.end());
    return image;
}

TEST(PremultiplyAlphaTest, ColourChannelsScaleByAlphaTruncating) {
    struct Case {
        std::array<std::uint8_t, 4> in;
        std::array<std::uint8_t, 4> out;
    };
    const Case cases[] = {
        {{200, 100, 50, 128}, {100, 50, 25, 128}},
        {{200, 100, 50, 255}, {200, 100, 50, 255}},  // opaque: unchanged
        {{200, 100, 50, 0}, {0, 0, 0, 0}},           // transparent: black
        {{255, 1, 254, 1}, {1, 0, 0, 1}},            // 254 * 1 / 255 truncates to 0
    };
    for (const Case& c : cases) {
        BgraImage image = OnePixel(c.in);
        PremultiplyAlpha(image);
        EXPECT_EQ(image.pixels, std::vector<std::uint8_t>(c.out.begin(), c.out.end()));
    }
}

TEST(PremultiplyAlphaTest, EveryPixelOfEveryRowIsDone) {
    BgraImage image;
    image.width = 3;
    image.height = 2;
    image.hasAlpha = true;
    for (int i = 0; i < 6; ++i) image.pixels.insert(image.pixels.end(), {100, 100, 100, 51});
    PremultiplyAlpha(image);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(image.pixels[i * 4], 20) << "pixel " << i;
}

TEST(PremultiplyAlphaTest, PicturesWithoutAlphaAndEmptyOnesStayAsTheyAre) {
    BgraImage opaque = OnePixel({200, 100, 50, 128}, false);
    PremultiplyAlpha(opaque);
    EXPECT_EQ(opaque.pixels, (std::vector<std::uint8_t>{200, 100, 50, 128}));

    BgraImage empty;
    empty.hasAlpha = true;
    PremultiplyAlpha(empty);
    EXPECT_TRUE(empty.pixels.empty());
}

}  // namespace
}  // namespace lumora
