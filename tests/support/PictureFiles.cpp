#include "support/PictureFiles.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <vector>

namespace lumora::test {

BgraImage QuadrantImage(int width, int height, const std::uint32_t (&colours)[4]) {
    BgraImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = colours[(y < height / 2 ? 0 : 2) + (x < width / 2 ? 0 : 1)];
            std::uint8_t* p = &image.pixels[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<std::uint8_t>(rgb);
            p[1] = static_cast<std::uint8_t>(rgb >> 8);
            p[2] = static_cast<std::uint8_t>(rgb >> 16);
            p[3] = 255;
        }
    }
    return image;
}

BgraImage PatternImage(int width, int height, bool withAlpha) {
    BgraImage image;
    image.width = width;
    image.height = height;
    image.hasAlpha = withAlpha;
    image.pixels.resize(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &image.pixels[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<std::uint8_t>(x * 255 / std::max(1, width - 1));   // blue
            p[1] = static_cast<std::uint8_t>(y * 255 / std::max(1, height - 1));  // green
            p[2] = static_cast<std::uint8_t>(((x / 8 + y / 8) % 2) ? 230 : 20);   // red
            p[3] = withAlpha ? static_cast<std::uint8_t>(255 - (x + y) % 256) : 255;
        }
    }
    return image;
}

bool WritePicture(const std::filesystem::path& path, const BgraImage& image,
                  const std::string& format) {
    GdkPixbuf* pixbuf =
        gdk_pixbuf_new(GDK_COLORSPACE_RGB, image.hasAlpha, 8, image.width, image.height);
    if (!pixbuf) {
        return false;
    }
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* in = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
            guchar* out = rows + static_cast<size_t>(y) * stride + x * channels;
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            if (image.hasAlpha) {
                out[3] = in[3];
            }
        }
    }
    gboolean saved =
        format == "jpeg"
            ? gdk_pixbuf_save(pixbuf, path.c_str(), "jpeg", nullptr, "quality", "95", nullptr)
            : gdk_pixbuf_save(pixbuf, path.c_str(), format.c_str(), nullptr, nullptr);
    g_object_unref(pixbuf);
    return saved;
}

namespace {

void PutLe16(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

// LZW data with a clear code before every pixel: the code width then never grows past three
// bits, which keeps the encoder trivial and the stream valid.
std::string LzwPixels(long long count, int index) {
    constexpr int kClear = 4;
    constexpr int kEnd = 5;
    std::vector<std::uint8_t> bytes;
    unsigned bitBuffer = 0;
    int bitCount = 0;
    auto emit = [&](int code) {
        bitBuffer |= static_cast<unsigned>(code) << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    for (long long i = 0; i < count; ++i) {
        emit(kClear);
        emit(index);
    }
    emit(kEnd);
    if (bitCount > 0) {
        bytes.push_back(static_cast<std::uint8_t>(bitBuffer & 0xFF));
    }
    std::string out;
    out += static_cast<char>(2);  // minimum code size
    for (size_t at = 0; at < bytes.size(); at += 255) {
        size_t block = std::min<size_t>(255, bytes.size() - at);
        out += static_cast<char>(block);
        out.append(reinterpret_cast<const char*>(bytes.data() + at), block);
    }
    out += static_cast<char>(0);
    return out;
}

}  // namespace

std::string GifBytes(int width, int height, int frames) {
    // Large screens get a one-pixel frame so the file stays a few dozen bytes.
    const bool small = static_cast<long long>(width) * height <= 65536;
    const int frameWidth = small ? width : 1;
    const int frameHeight = small ? height : 1;
    std::string out = "GIF89a";
    PutLe16(out, width);
    PutLe16(out, height);
    out += static_cast<char>(0x81);  // global colour table of four entries
    out += static_cast<char>(0);
    out += static_cast<char>(0);
    const unsigned char palette[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    out.append(reinterpret_cast<const char*>(palette), sizeof palette);
    for (int frame = 0; frame < frames; ++frame) {
        out += "\x21\xF9\x04";
        out += static_cast<char>(0x04);  // keep the frame in place
        PutLe16(out, 10);
        out += static_cast<char>(0);
        out += static_cast<char>(0);
        out += static_cast<char>(0x2C);
        PutLe16(out, 0);
        PutLe16(out, 0);
        PutLe16(out, frameWidth);
        PutLe16(out, frameHeight);
        out += static_cast<char>(0);
        out += LzwPixels(static_cast<long long>(frameWidth) * frameHeight, frame % 4);
    }
    out += static_cast<char>(0x3B);
    return out;
}

std::uint32_t PixelAt(const BgraImage& image, int x, int y) {
    const std::uint8_t* p = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace lumora::test
