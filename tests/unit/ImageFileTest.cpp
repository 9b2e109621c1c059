#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/ImageFile.h"
#include "support/PictureFiles.h"
#include "support/TempDir.h"

namespace lumora::test {
namespace {

std::uint32_t Le32(const std::string& bytes, size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint8_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

// Mean difference of one channel over all pixels.
double MeanDifference(const BgraImage& a, const BgraImage& b) {
    double sum = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        sum += std::abs(int(a.pixels[i]) - int(b.pixels[i]));
    }
    return sum / static_cast<double>(a.pixels.size());
}

// Largest difference of one channel over all pixels.
int MaxDifference(const BgraImage& a, const BgraImage& b) {
    int worst = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        worst = std::max(worst, std::abs(int(a.pixels[i]) - int(b.pixels[i])));
    }
    return worst;
}

BgraImage Opaque(BgraImage image) {
    for (size_t i = 3; i < image.pixels.size(); i += 4) {
        image.pixels[i] = 255;
    }
    image.hasAlpha = false;
    return image;
}

TEST(ImageFileTest, DecodesEveryFormatToStraightBgra) {
    TempDir dir;
    const BgraImage opaque = PatternImage(37, 21);
    const BgraImage translucent = PatternImage(37, 21, true);
    ASSERT_TRUE(WritePicture(dir / "a.png", translucent, "png"));
    ASSERT_TRUE(WritePicture(dir / "o.png", opaque, "png"));
    ASSERT_TRUE(WritePicture(dir / "j.jpg", opaque, "jpeg"));
    ASSERT_TRUE(SaveBitmapFile(opaque, (dir / "b.bmp").string()));
    struct Case {
        const char* name;
        const BgraImage* expected;
        bool hasAlpha;
        bool lossy;
    };
    const Case cases[] = {
        {"a.png", &translucent, true, false},
        {"o.png", &opaque, false, false},
        {"j.jpg", &opaque, false, true},
        {"b.bmp", &opaque, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<BgraImage> image = LoadImageFile((dir / c.name).string());
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, 37);
        EXPECT_EQ(image->height, 21);
        EXPECT_EQ(image->hasAlpha, c.hasAlpha);
        if (c.lossy) {
            // Close on average; a swapped channel or a flipped picture is far off.
            EXPECT_LT(MeanDifference(*image, *c.expected), 8.0);
        } else {
            EXPECT_EQ(MaxDifference(*image, *c.expected), 0);
        }
    }
}

TEST(ImageFileTest, AnimatedGifGivesItsFirstFrame) {
    TempDir dir;
    WriteFile(dir / "anim.gif", GifBytes(4, 3, 2));
    std::optional<BgraImage> image = LoadImageFile((dir / "anim.gif").string());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 4);
    EXPECT_EQ(image->height, 3);
    EXPECT_EQ(PixelAt(*image, 0, 0), 0xFFFF0000u);  // red, the first frame's colour
    EXPECT_EQ(PixelAt(*image, 3, 2), 0xFFFF0000u);
}

TEST(ImageFileTest, RefusesWhatIsNoPicture) {
    TempDir dir;
    std::string png;
    ASSERT_TRUE(WritePicture(dir / "whole.png", PatternImage(64, 64), "png"));
    png = ReadFile(dir / "whole.png");
    WriteFile(dir / "text.png", "this is not a picture\n");
    WriteFile(dir / "empty.jpg", "");
    WriteFile(dir / "cut.png", png.substr(0, png.size() / 2));
    // 10001 x 10000 pixels claimed by a file of a few dozen bytes.
    WriteFile(dir / "bomb.gif", GifBytes(10001, 10000, 1));
    for (const char* name : {"text.png", "empty.jpg", "cut.png", "bomb.gif", "missing.png"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(LoadImageFile((dir / name).string()));
    }
    // The same kind of file within the limit decodes, so the refusal above is the size's.
    WriteFile(dir / "wide.gif", GifBytes(20000, 5, 1));
    EXPECT_TRUE(LoadImageFile((dir / "wide.gif").string()));
}

TEST(ImageFileTest, BitmapIsA24BitBottomUpWindowsBitmap) {
    TempDir dir;
    const BgraImage image = PatternImage(5, 3, true);  // odd width: each row carries padding
    const std::string path = (dir / "temp.bmp").string();
    ASSERT_TRUE(SaveBitmapFile(image, path));
    const std::string bytes = ReadFile(path);
    const size_t rowBytes = 16;  // 5 * 3 rounded up to a multiple of four
    ASSERT_EQ(bytes.size(), 54 + rowBytes * 3);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Le32(bytes, 2), bytes.size());
    EXPECT_EQ(Le32(bytes, 10), 54u);
    EXPECT_EQ(Le32(bytes, 14), 40u);
    EXPECT_EQ(Le32(bytes, 18), 5u);
    EXPECT_EQ(Le32(bytes, 22), 3u);  // positive height: bottom-up rows
    EXPECT_EQ(Le32(bytes, 28) & 0xFFFF, 24u);
    EXPECT_EQ(Le32(bytes, 30), 0u);  // BI_RGB
    // The first stored row is the picture's last one, pixels as B, G, R.
    for (int x = 0; x < 5; ++x) {
        const std::uint32_t expected = PixelAt(image, x, 2) & 0xFFFFFF;
        EXPECT_EQ(Le32(bytes, 54 + x * 3) & 0xFFFFFF, expected);
    }
    std::optional<BgraImage> back = LoadImageFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(MaxDifference(*back, Opaque(image)), 0);
}

TEST(ImageFileTest, BitmapReplacesTheOldFileAndLeavesNothingElse) {
    TempDir dir;
    const std::string path = (dir / "temp.bmp").string();
    WriteFile(path, "old content");
    ASSERT_TRUE(SaveBitmapFile(PatternImage(8, 8), path));
    EXPECT_TRUE(LoadImageFile(path));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);

    EXPECT_FALSE(SaveBitmapFile(PatternImage(8, 8), (dir / "no" / "temp.bmp").string()));
    EXPECT_FALSE(SaveBitmapFile(BgraImage{}, path));
    EXPECT_EQ(ReadFile(path).size(), 54u + 24 * 8);  // untouched by the refused writes
}

}  // namespace
}  // namespace lumora::test
