#include "platform/linux/FreedesktopThumbnailer.h"

#include <fcntl.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// The message codes, to tell a file that ends early.
#include <jerror.h>

#include "platform/linux/PixbufImage.h"

namespace lumora {
namespace {

// The folder under fail/ where this program records pictures it could not decode.
constexpr const char* kFailFolder = "lumo-1.0";

// A GObject reference released at the end of its scope.
class PixbufRef {
public:
    explicit PixbufRef(GdkPixbuf* pixbuf = nullptr) : m_pixbuf(pixbuf) {}
    ~PixbufRef() {
        if (m_pixbuf) g_object_unref(m_pixbuf);
    }
    PixbufRef(const PixbufRef&) = delete;
    PixbufRef& operator=(const PixbufRef&) = delete;
    PixbufRef(PixbufRef&& other) noexcept : m_pixbuf(other.m_pixbuf) { other.m_pixbuf = nullptr; }
    PixbufRef& operator=(PixbufRef&& other) noexcept {
        std::swap(m_pixbuf, other.m_pixbuf);
        return *this;
    }
    GdkPixbuf* get() const { return m_pixbuf; }
    explicit operator bool() const { return m_pixbuf != nullptr; }

private:
    GdkPixbuf* m_pixbuf;
};

struct SourceFile {
    std::string uri;
    std::string digest;  // MD5 of the URI, in hexadecimal
    long long mtime = 0;
};

std::optional<SourceFile> Describe(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
    if (uri == nullptr) return std::nullopt;
    SourceFile source;
    source.uri = uri;
    g_free(uri);
    gchar* digest = g_compute_checksum_for_string(G_CHECKSUM_MD5, source.uri.c_str(), -1);
    source.digest = digest;
    g_free(digest);
    source.mtime = static_cast<long long>(info.st_mtime);
    return source;
}

bool TooLarge(long long width, long long height) {
    return width <= 0 || height <= 0 || width * height > kMaxDecodePixels;
}

// The thumbnail of a picture fits the 256-pixel box with its proportions; a smaller picture
// keeps its own size.
Size ThumbnailSize(int width, int height) {
    const int box = FreedesktopThumbnailer::kLargeSize;
    if (width <= box && height <= box) return {width, height};
    if (width >= height) {
        return {box, std::max(1, static_cast<int>(
                                     (static_cast<long long>(height) * box + width / 2) / width))};
    }
    return {
        std::max(1, static_cast<int>((static_cast<long long>(width) * box + height / 2) / height)),
        box};
}

// A cached thumbnail is good when it is for this file as it is now and of the large size.
bool UsableThumbnail(GdkPixbuf* thumbnail, const SourceFile& source) {
    const char* uri = gdk_pixbuf_get_option(thumbnail, "tEXt::Thumb::URI");
    const char* mtime = gdk_pixbuf_get_option(thumbnail, "tEXt::Thumb::MTime");
    if (uri == nullptr || mtime == nullptr || source.uri != uri ||
        std::strtoll(mtime, nullptr, 10) != source.mtime) {
        return false;
    }
    const int width = gdk_pixbuf_get_width(thumbnail);
    const int height = gdk_pixbuf_get_height(thumbnail);
    const int longest = std::max(width, height);
    if (longest == FreedesktopThumbnailer::kLargeSize) return true;
    if (longest > FreedesktopThumbnailer::kLargeSize) return false;
    // Smaller only for a picture that is itself that small.
    const char* imageWidth = gdk_pixbuf_get_option(thumbnail, "tEXt::Thumb::Image::Width");
    const char* imageHeight = gdk_pixbuf_get_option(thumbnail, "tEXt::Thumb::Image::Height");
    return imageWidth != nullptr && imageHeight != nullptr && std::atoi(imageWidth) == width &&
           std::atoi(imageHeight) == height;
}

bool IsJpeg(const std::string& path) {
    unsigned char magic[3] = {};
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    const size_t got = std::fread(magic, 1, sizeof magic, file);
    std::fclose(file);
    return got == 3 && magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF;
}

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated;
};

[[noreturn]] void JpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// Warnings are not printed; a file that ends early counts as undecodable, as with the
// picture loader used elsewhere.
void JpegMessage(j_common_ptr info, int level) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    if (level < 0 && errors->base.msg_code == JWRN_JPEG_EOF) errors->truncated = true;
}

// Decodes a JPEG at the smallest scale n/8 whose output still covers `cover`. Pictures in
// colour spaces the fast path does not turn into RGB answer nothing, and the caller falls back
// to the general loader. Kept free of objects with destructors: libjpeg leaves by longjmp.
GdkPixbuf* DecodeJpegScaled(const char* path, Size cover, bool* undecodable) {
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        *undecodable = true;
        return nullptr;
    }
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegFail;
    errors.base.emit_message = JpegMessage;
    errors.truncated = false;
    GdkPixbuf* volatile pixbuf = nullptr;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        if (pixbuf) g_object_unref(pixbuf);
        *undecodable = true;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    const bool convertible = info.jpeg_color_space == JCS_YCbCr ||
                             info.jpeg_color_space == JCS_GRAYSCALE ||
                             info.jpeg_color_space == JCS_RGB;
    if (!convertible || TooLarge(info.image_width, info.image_height)) {
        *undecodable = convertible;
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        return nullptr;
    }
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_ISLOW;
    info.scale_denom = 8;
    for (unsigned num = 1; num <= 8; ++num) {
        info.scale_num = num;
        jpeg_calc_output_dimensions(&info);
        if (static_cast<int>(info.output_width) >= cover.width &&
            static_cast<int>(info.output_height) >= cover.height) {
            break;
        }
    }
    jpeg_start_decompress(&info);
    pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, static_cast<int>(info.output_width),
                            static_cast<int>(info.output_height));
    if (pixbuf == nullptr) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        *undecodable = true;
        return nullptr;
    }
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + static_cast<size_t>(info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    if (errors.truncated) {
        g_object_unref(pixbuf);
        *undecodable = true;
        return nullptr;
    }
    return pixbuf;
}

// The thumbnail of a picture decoded from its own file, or nothing when it cannot be decoded.
PixbufRef MakeThumbnail(const std::string& path, int width, int height) {
    if (TooLarge(width, height)) return PixbufRef();
    const Size size = ThumbnailSize(width, height);
    PixbufRef decoded;
    if (IsJpeg(path)) {
        bool undecodable = false;
        decoded = PixbufRef(DecodeJpegScaled(path.c_str(), size, &undecodable));
        if (!decoded && undecodable) return PixbufRef();
    }
    if (!decoded) {
        decoded = PixbufRef(gdk_pixbuf_new_from_file_at_scale(path.c_str(), size.width, size.height,
                                                              FALSE, nullptr));
        if (!decoded) return PixbufRef();
    }
    if (gdk_pixbuf_get_width(decoded.get()) == size.width &&
        gdk_pixbuf_get_height(decoded.get()) == size.height) {
        return decoded;
    }
    return PixbufRef(
        gdk_pixbuf_scale_simple(decoded.get(), size.width, size.height, GDK_INTERP_BILINEAR));
}

bool MakeFolders(const std::string& folder) {
    // Each level private to the user, as the thumbnail cache asks.
    for (size_t at = 1; at != std::string::npos; at = folder.find('/', at + 1)) {
        const std::string level = folder.substr(0, at);
        if (!level.empty()) mkdir(level.c_str(), 0700);
    }
    mkdir(folder.c_str(), 0700);
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Writes the bytes to a private temporary file beside `path` and renames it into place, so a
// reader sees either no thumbnail or a whole one. A cache file needs no flush to the disk.
bool WritePrivateFile(const std::string& path, const gchar* bytes, gsize length) {
    const std::string folder = path.substr(0, path.rfind('/'));
    if (!MakeFolders(folder)) return false;
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());  // mode 0600
    if (fd < 0) return false;
    bool written = true;
    for (gsize done = 0; done < length && written;) {
        const ssize_t n = write(fd, bytes + done, length - done);
        if (n > 0) {
            done += static_cast<gsize>(n);
        } else if (n < 0 && errno != EINTR) {
            written = false;
        }
    }
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

void SaveThumbnail(GdkPixbuf* thumbnail, const SourceFile& source, Size image,
                   const std::string& path) {
    const std::string mtime = std::to_string(source.mtime);
    const std::string width = std::to_string(image.width);
    const std::string height = std::to_string(image.height);
    gchar* bytes = nullptr;
    gsize length = 0;
    // Fast compression: a thumbnail is written once and read many times, and zlib's effort
    // beyond level 1 costs more than the few bytes it saves.
    if (gdk_pixbuf_save_to_buffer(
            thumbnail, &bytes, &length, "png", nullptr, "tEXt::Thumb::URI", source.uri.c_str(),
            "tEXt::Thumb::MTime", mtime.c_str(), "tEXt::Thumb::Image::Width", width.c_str(),
            "tEXt::Thumb::Image::Height", height.c_str(), "compression", "0", nullptr)) {
        WritePrivateFile(path, bytes, length);
    }
    g_free(bytes);
}

bool HasFailRecord(const std::string& path, const SourceFile& source) {
    PixbufRef record(gdk_pixbuf_new_from_file(path.c_str(), nullptr));
    if (!record) return false;
    const char* uri = gdk_pixbuf_get_option(record.get(), "tEXt::Thumb::URI");
    const char* mtime = gdk_pixbuf_get_option(record.get(), "tEXt::Thumb::MTime");
    return uri != nullptr && mtime != nullptr && source.uri == uri &&
           std::strtoll(mtime, nullptr, 10) == source.mtime;
}

void SaveFailRecord(const SourceFile& source, const std::string& path) {
    PixbufRef dot(gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 1, 1));
    if (!dot) return;
    gdk_pixbuf_fill(dot.get(), 0);
    SaveThumbnail(dot.get(), source, {1, 1}, path);
}

}  // namespace

FreedesktopThumbnailer::FreedesktopThumbnailer(std::string cacheRoot)
    : m_cacheRoot(std::move(cacheRoot)) {}

std::string FreedesktopThumbnailer::CacheRoot() const {
    if (!m_cacheRoot.empty()) return m_cacheRoot;
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && cache[0] == '/') {
        return std::string(cache) + "/thumbnails";
    }
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.cache/thumbnails";
}

std::string FreedesktopThumbnailer::LargeThumbnailPath(const std::string& path) const {
    std::optional<SourceFile> source = Describe(path);
    return source ? CacheRoot() + "/large/" + source->digest + ".png" : std::string();
}

std::string FreedesktopThumbnailer::FailRecordPath(const std::string& path) const {
    std::optional<SourceFile> source = Describe(path);
    return source ? CacheRoot() + "/fail/" + kFailFolder + "/" + source->digest + ".png"
                  : std::string();
}

std::optional<BgraImage> FreedesktopThumbnailer::CardPicture(const std::string& path, Size size) {
    if (size.width <= 0 || size.height <= 0) return std::nullopt;
    std::optional<SourceFile> source = Describe(path);
    if (!source) return std::nullopt;
    const std::string root = CacheRoot();
    const std::string cached = root + "/large/" + source->digest + ".png";
    const std::string failed = root + "/fail/" + kFailFolder + "/" + source->digest + ".png";

    PixbufRef thumbnail(gdk_pixbuf_new_from_file(cached.c_str(), nullptr));
    if (thumbnail && UsableThumbnail(thumbnail.get(), *source)) {
        ++m_fromCache;
    } else if (HasFailRecord(failed, *source)) {
        ++m_failed;
        return std::nullopt;
    } else {
        int width = 0;
        int height = 0;
        gdk_pixbuf_get_file_info(path.c_str(), &width, &height);
        thumbnail = MakeThumbnail(path, width, height);
        if (!thumbnail) {
            ++m_failed;
            SaveFailRecord(*source, failed);
            return std::nullopt;
        }
        ++m_decoded;
        SaveThumbnail(thumbnail.get(), *source, {width, height}, cached);
    }
    PixbufRef card(
        gdk_pixbuf_scale_simple(thumbnail.get(), size.width, size.height, GDK_INTERP_BILINEAR));
    if (!card) return std::nullopt;
    return ToBgraImage(card.get());
}

Thumbnailer::Counts FreedesktopThumbnailer::Tally() const {
    return {m_decoded.load(), m_fromCache.load(), m_failed.load()};
}

Thumbnailer& SystemThumbnailer() {
    static FreedesktopThumbnailer thumbnailer;
    return thumbnailer;
}

}  // namespace lumora
