#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/ImageFile.h"
#include "platform/PictureFormat.h"
#include "support/PictureFiles.h"
#include "support/TempDir.h"

namespace lumora::test {
namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
}

// A BMP of `width` x `height` at 8 bits a pixel: its headers, a palette of two grays, and the
// pixel data given (which may be shorter than the header claims).
std::string Bmp8(int width, int height, std::uint32_t compression, const std::string& data) {
    std::string out = "BM";
    const std::uint32_t offset = 14 + 40 + 2 * 4;
    PutLe(out, offset + static_cast<std::uint32_t>(data.size()), 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 1, 2);
    PutLe(out, 8, 2);
    PutLe(out, compression, 4);
    PutLe(out, static_cast<std::uint32_t>(data.size()), 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2, 4);
    PutLe(out, 0, 4);
    out += std::string("\x20\x20\x20\x00\xE0\xE0\xE0\x00", 8);
    return out + data;
}

// Pictures in the formats the program does not read, as the system's other decoders know them.
std::string Svg() {
    return "<?xml version='1.0'?>\n<svg xmlns='http://www.w3.org/2000/svg' width='100000' "
           "height='100000'><rect width='100000' height='100000' fill='red'/></svg>\n";
}
std::string Xpm() {
    return "/* XPM */\nstatic char * x[] = {\n\"2 2 1 1\",\n\"a c #FF0000\",\n\"aa\",\n\"aa\"};\n";
}

TEST(PictureFormatTest, JudgesTheContentAndItsWholeness) {
    TempDir dir;
    ASSERT_TRUE(WritePicture(dir / "j.jpg", PatternImage(64, 48), "jpeg"));
    ASSERT_TRUE(WritePicture(dir / "p.png", PatternImage(64, 48), "png"));
    ASSERT_TRUE(WritePicture(dir / "t.tif", PatternImage(64, 48), "tiff"));
    ASSERT_TRUE(WritePicture(dir / "i.ico", PatternImage(32, 32), "ico"));
    ASSERT_TRUE(SaveBitmapFile(PatternImage(63, 48), (dir / "b.bmp").string()));
    const std::string jpeg = ReadFile(dir / "j.jpg");
    const std::string png = ReadFile(dir / "p.png");
    const std::string bmp = ReadFile(dir / "b.bmp");
    const std::string gif = GifBytes(64, 48, 2);
    // Two rows of an RLE8 picture four pixels wide: a run, end of row, a literal, end of bitmap.
    const std::string rle = std::string("\x04\x01\x00\x00\x00\x04\x00\x01\x01\x00\x00\x01", 12);
    struct Case {
        const char* name;
        std::string bytes;
        bool accepted;
        PictureFormat format;
        int width;
        int height;
    };
    const Case cases[] = {
        {"jpeg", jpeg, true, PictureFormat::Jpeg, 64, 48},
        {"jpeg with bytes after its end", jpeg + "trailing", true, PictureFormat::Jpeg, 64, 48},
        {"png", png, true, PictureFormat::Png, 64, 48},
        {"gif", gif, true, PictureFormat::Gif, 64, 48},
        {"bmp", bmp, true, PictureFormat::Bmp, 63, 48},
        {"rle bmp", Bmp8(4, 2, 1, rle), true, PictureFormat::Bmp, 4, 2},
        {"jpeg cut at half", jpeg.substr(0, jpeg.size() / 2)},
        {"jpeg without its end marker", jpeg.substr(0, jpeg.size() - 2)},
        {"jpeg header only", jpeg.substr(0, 200)},
        {"png cut at half", png.substr(0, png.size() / 2)},
        {"png without IEND", png.substr(0, png.size() - 12)},
        {"gif cut in its frame", gif.substr(0, 40)},
        {"bmp cut by one byte", bmp.substr(0, bmp.size() - 1)},
        {"bmp header claiming 10000 x 10000", Bmp8(10000, 10000, 0, "")},
        {"rle bmp cut", Bmp8(4, 2, 1, rle.substr(0, 6))},
        {"svg", Svg()},
        {"xpm", Xpm()},
        {"tiff", ReadFile(dir / "t.tif")},
        {"ico", ReadFile(dir / "i.ico")},
        {"text", "GIF is a format\n"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<PictureInfo> info = InspectPicture(c.bytes);
        ASSERT_EQ(info.has_value(), c.accepted);
        if (!info) continue;
        EXPECT_EQ(info->format, c.format);
        EXPECT_EQ(info->width, c.width);
        EXPECT_EQ(info->height, c.height);
    }
}

TEST(PictureFormatTest, TheDecoderRefusesEveryOtherFormatWhateverTheName) {
    TempDir dir;
    ASSERT_TRUE(WritePicture(dir / "t.tif", PatternImage(64, 48), "tiff"));
    ASSERT_TRUE(WritePicture(dir / "j.jpg", PatternImage(64, 48), "jpeg"));
    const std::string jpeg = ReadFile(dir / "j.jpg");
    WriteFile(dir / "svg.jpg", Svg());
    WriteFile(dir / "xpm.jpg", Xpm());
    WriteFile(dir / "tiff.jpg", ReadFile(dir / "t.tif"));
    WriteFile(dir / "half.jpg", jpeg.substr(0, jpeg.size() / 2));
    WriteFile(dir / "bomb.bmp", Bmp8(10000, 10000, 0, ""));
    for (const char* name : {"svg.jpg", "xpm.jpg", "tiff.jpg", "half.jpg", "bomb.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(LoadImageFile((dir / name).string()));
    }
    // A file larger than any picture read is not read; made sparse, it takes no disk.
    WriteFile(dir / "huge.jpg", jpeg);
    std::filesystem::resize_file(dir / "huge.jpg", kMaxPictureFileBytes + 1);
    EXPECT_FALSE(ReadPictureFile((dir / "huge.jpg").string()));
    EXPECT_FALSE(LoadImageFile((dir / "huge.jpg").string()));

    // The RLE picture decodes: its two rows, bottom-up.
    const std::string rle = std::string("\x04\x01\x00\x00\x00\x04\x00\x01\x01\x00\x00\x01", 12);
    WriteFile(dir / "rle.bmp", Bmp8(4, 2, 1, rle));
    std::optional<BgraImage> image = LoadImageFile((dir / "rle.bmp").string());
    ASSERT_TRUE(image);
    EXPECT_EQ(PixelAt(*image, 0, 1), 0xFFE0E0E0u);  // the first stored row is the bottom one
    EXPECT_EQ(PixelAt(*image, 0, 0), 0xFF202020u);
    EXPECT_EQ(PixelAt(*image, 1, 0), 0xFFE0E0E0u);
}

}  // namespace
}  // namespace lumora::test
