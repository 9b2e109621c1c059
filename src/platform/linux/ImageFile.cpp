#include "platform/ImageFile.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include "platform/AtomicFile.h"
#include "platform/linux/PixbufDecoder.h"

namespace lumora {
namespace {

BgraImage ToBgra(GdkPixbuf* pixbuf) {
    BgraImage image;
    image.width = gdk_pixbuf_get_width(pixbuf);
    image.height = gdk_pixbuf_get_height(pixbuf);
    image.hasAlpha = gdk_pixbuf_get_has_alpha(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const guchar* source = gdk_pixbuf_read_pixels(pixbuf);
    image.pixels.resize(static_cast<size_t>(image.width) * image.height * 4);
    std::uint8_t* out = image.pixels.data();
    for (int y = 0; y < image.height; ++y) {
        const guchar* in = source + static_cast<size_t>(y) * stride;
        for (int x = 0; x < image.width; ++x, in += channels, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = image.hasAlpha ? in[3] : 0xFF;
        }
    }
    return image;
}

void PutLe16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLe32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER, then the rows bottom-up, each padded
// to a multiple of four bytes. Alpha is dropped; the colour bytes are kept as they are.
std::string EncodeBitmap(const BgraImage& image) {
    constexpr std::uint32_t kHeaders = 14 + 40;
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    std::string file(kHeaders + dataBytes, '\0');
    auto* h = reinterpret_cast<std::uint8_t*>(file.data());
    h[0] = 'B';
    h[1] = 'M';
    PutLe32(h + 2, kHeaders + dataBytes);
    PutLe32(h + 10, kHeaders);
    PutLe32(h + 14, 40);
    PutLe32(h + 18, static_cast<std::uint32_t>(image.width));
    PutLe32(h + 22, static_cast<std::uint32_t>(image.height));
    PutLe16(h + 26, 1);
    PutLe16(h + 28, 24);
    PutLe32(h + 30, 0);  // BI_RGB
    PutLe32(h + 34, dataBytes);
    PutLe32(h + 38, 2835);  // 72 dpi
    PutLe32(h + 42, 2835);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* in = image.pixels.data() + static_cast<size_t>(y) * image.width * 4;
        std::uint8_t* out = h + kHeaders + static_cast<size_t>(image.height - 1 - y) * rowBytes;
        for (int x = 0; x < image.width; ++x, in += 4, out += 3) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
    return file;
}

}  // namespace

std::optional<BgraImage> LoadImageFile(const std::string& path) {
    GdkPixbuf* pixbuf = DecodePictureFile(path);
    if (!pixbuf) return std::nullopt;
    if (TooLargeToDecode(gdk_pixbuf_get_width(pixbuf), gdk_pixbuf_get_height(pixbuf))) {
        g_object_unref(pixbuf);
        return std::nullopt;
    }
    BgraImage image = ToBgra(pixbuf);
    g_object_unref(pixbuf);
    return image;
}

bool SaveBitmapFile(const BgraImage& image, const std::string& path) {
    if (TooLargeToDecode(image.width, image.height) ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height * 4) {
        return false;
    }
    return ReplaceFileAtomically(path, EncodeBitmap(image));
}

}  // namespace lumora
