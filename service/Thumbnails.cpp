#include "service/Thumbnails.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace lumora::service {
namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

std::string ContentTypeFor(const std::string& file) {
    std::string ext = std::filesystem::path(file).extension().string();
    for (char& c : ext) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    if (ext == ".jpg" || ext == ".jpeg") return "image/jpeg";
    if (ext == ".png") return "image/png";
    if (ext == ".gif") return "image/gif";
    if (ext == ".bmp") return "image/bmp";
    return "application/octet-stream";
}

ImageBytes Thumbnails::Scale(const std::string& path, int width, int height) {
    int fileWidth = 0, fileHeight = 0;
    if (!gdk_pixbuf_get_file_info(path.c_str(), &fileWidth, &fileHeight) || fileWidth <= 0 ||
        fileHeight <= 0) {
        return {};
    }
    double scale =
        std::max(static_cast<double>(width) / fileWidth, static_cast<double>(height) / fileHeight);
    int scaledWidth = std::max(width, static_cast<int>(std::ceil(fileWidth * scale)));
    int scaledHeight = std::max(height, static_cast<int>(std::ceil(fileHeight * scale)));
    GError* error = nullptr;
    GdkPixbuf* scaled =
        gdk_pixbuf_new_from_file_at_scale(path.c_str(), scaledWidth, scaledHeight, FALSE, &error);
    if (!scaled) {
        g_clear_error(&error);
        return {};
    }
    GdkPixbuf* pixbuf = gdk_pixbuf_new_subpixbuf(scaled, (scaledWidth - width) / 2,
                                                 (scaledHeight - height) / 2, width, height);
    g_object_unref(scaled);
    // JPEG stays JPEG; everything else becomes PNG so that transparency survives.
    bool jpeg = ContentTypeFor(path) == "image/jpeg";
    gchar* buffer = nullptr;
    gsize size = 0;
    gboolean saved =
        jpeg ? gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &size, "jpeg", &error, "quality", "85",
                                         nullptr)
             : gdk_pixbuf_save_to_buffer(pixbuf, &buffer, &size, "png", &error, nullptr);
    g_object_unref(pixbuf);
    ImageBytes image;
    if (saved) {
        image.bytes.assign(buffer, size);
        image.contentType = jpeg ? "image/jpeg" : "image/png";
    }
    g_free(buffer);
    g_clear_error(&error);
    return image;
}

ImageBytes Thumbnails::For(const Picture& picture) {
    std::filesystem::path own = m_library.Directory() / ("thumb_" + picture.file);
    std::error_code error;
    if (std::filesystem::is_regular_file(own, error)) {
        return {ReadWholeFile(own), ContentTypeFor(picture.file)};
    }
    std::lock_guard lock(m_mutex);
    auto made = m_made.find(picture.file);
    if (made == m_made.end()) {
        std::string path = (m_library.Directory() / picture.file).string();
        made = m_made.emplace(picture.file, Scale(path, kWidth, kHeight)).first;
    }
    return made->second;
}

}  // namespace lumora::service
