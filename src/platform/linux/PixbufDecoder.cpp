#include "platform/linux/PixbufDecoder.h"

#include "platform/ImageFile.h"

namespace lumora {
namespace {

const char* LoaderName(PictureFormat format) {
    switch (format) {
        case PictureFormat::Jpeg:
            return "jpeg";
        case PictureFormat::Png:
            return "png";
        case PictureFormat::Gif:
            return "gif";
        case PictureFormat::Bmp:
            return "bmp";
    }
    return "";
}

}  // namespace

GdkPixbuf* DecodePixbuf(std::string_view bytes, PictureFormat format, int width, int height) {
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type(LoaderName(format), nullptr);
    if (loader == nullptr) return nullptr;
    if (width > 0 && height > 0) gdk_pixbuf_loader_set_size(loader, width, height);
    const bool written = gdk_pixbuf_loader_write(
        loader, reinterpret_cast<const guchar*>(bytes.data()), bytes.size(), nullptr);
    // Closing is needed in any case; it finishes the picture or releases a failed one.
    const bool closed = gdk_pixbuf_loader_close(loader, nullptr);
    GdkPixbuf* pixbuf = written && closed ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    if (pixbuf != nullptr) g_object_ref(pixbuf);
    g_object_unref(loader);
    return pixbuf;
}

GdkPixbuf* DecodePictureFile(const std::string& path, std::optional<PictureFormat> only) {
    std::optional<std::string> bytes = ReadPictureFile(path);
    if (!bytes) return nullptr;
    // The content decides the format, and the header the size, before anything is allocated
    // for the pixels; a cut file never reaches the decoder, which would fill the rest in.
    std::optional<PictureInfo> info = InspectPicture(*bytes);
    if (!info || (only && info->format != *only) || TooLargeToDecode(info->width, info->height)) {
        return nullptr;
    }
    return DecodePixbuf(*bytes, info->format);
}

}  // namespace lumora
