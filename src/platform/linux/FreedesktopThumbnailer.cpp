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
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// The message codes, to tell a file that ends early.
#include <jerror.h>
#include <png.h>

#include "platform/PictureFormat.h"
#include "platform/TemporaryFiles.h"
#include "platform/linux/PixbufDecoder.h"

namespace lumora {
namespace {

// The folder under fail/ where this program records pictures it could not decode.
constexpr const char* kFailFolder = "lumo-1.0";
// The name of a thumbnail being written, before it is renamed into place.
constexpr const char* kTemporaryPrefix = ".lumo-thumb-";

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
    // A URI names an absolute path; a collection folder given relative to the current
    // directory is made absolute first.
    gchar* absolute = g_canonicalize_filename(path.c_str(), nullptr);
    gchar* uri = g_filename_to_uri(absolute, nullptr, nullptr);
    g_free(absolute);
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

// Where the cache keeps thumbnails, and this program's failure records, under its root.
std::string LargeFolder(const std::string& root) { return root + "/large"; }
std::string FailFolder(const std::string& root) { return root + "/fail/" + kFailFolder; }

// The file of `source` in one of those folders.
std::string CacheFile(const std::string& folder, const SourceFile& source) {
    return folder + "/" + source.digest + ".png";
}

// Whether a cached PNG (a thumbnail or a failure record) was made from this file as it is now.
bool MadeFrom(GdkPixbuf* cached, const SourceFile& source) {
    const char* uri = gdk_pixbuf_get_option(cached, "tEXt::Thumb::URI");
    const char* mtime = gdk_pixbuf_get_option(cached, "tEXt::Thumb::MTime");
    return uri != nullptr && mtime != nullptr && source.uri == uri &&
           std::strtoll(mtime, nullptr, 10) == source.mtime;
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
    if (!MadeFrom(thumbnail, source)) return false;
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

// A PNG from the cache (a thumbnail or a failure record), with its text chunks as options.
// Only PNG is read there, whatever another program left under such a name.
PixbufRef LoadCachedPng(const std::string& path) {
    return PixbufRef(DecodePictureFile(path, PictureFormat::Png));
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
GdkPixbuf* DecodeJpegScaled(const std::string& bytes, Size cover, bool* undecodable) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JpegFail;
    errors.base.emit_message = JpegMessage;
    errors.truncated = false;
    GdkPixbuf* volatile pixbuf = nullptr;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        if (pixbuf) g_object_unref(pixbuf);
        *undecodable = true;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const bool convertible = info.jpeg_color_space == JCS_YCbCr ||
                             info.jpeg_color_space == JCS_GRAYSCALE ||
                             info.jpeg_color_space == JCS_RGB;
    if (!convertible || TooLargeToDecode(info.image_width, info.image_height)) {
        *undecodable = convertible;
        jpeg_destroy_decompress(&info);
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
    if (errors.truncated) {
        g_object_unref(pixbuf);
        *undecodable = true;
        return nullptr;
    }
    return pixbuf;
}

// The thumbnail of a picture decoded from the bytes of its file, inspected as `info`, or
// nothing when it cannot be decoded.
PixbufRef MakeThumbnail(const std::string& bytes, const PictureInfo& info) {
    if (TooLargeToDecode(info.width, info.height)) return PixbufRef();
    const Size size = ThumbnailSize(info.width, info.height);
    PixbufRef decoded;
    if (info.format == PictureFormat::Jpeg) {
        bool undecodable = false;
        decoded = PixbufRef(DecodeJpegScaled(bytes, size, &undecodable));
        if (!decoded && undecodable) return PixbufRef();
    }
    if (!decoded) {
        decoded = PixbufRef(DecodePixbuf(bytes, info.format, size.width, size.height));
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
// reader sees either no thumbnail or a whole one. A cache file needs no flush to the disk. The
// temporary file is held until then, and carries a name of this program's own, so that one
// left by a crash can be told from another program's (RemoveStaleTemporaries).
bool WritePrivateFile(const std::string& path, const gchar* bytes, gsize length) {
    const std::string folder = path.substr(0, path.rfind('/'));
    if (!MakeFolders(folder)) return false;
    std::string temporary = folder + "/" + kTemporaryPrefix + "XXXXXX";
    const int fd = CreateHeldTemporaryFile(temporary);  // mode 0600
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
    written = written && rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) unlink(temporary.c_str());
    return close(fd) == 0 && written;
}

void AppendPngBytes(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

void IgnorePngFlush(png_structp) {}

// The PNG of a thumbnail: rows stored unfiltered and uncompressed, because thumbnails are
// read far more often than written and the reader then has no filter to undo and nothing to
// inflate. Kept free of objects with destructors past setjmp: libpng leaves by longjmp.
bool EncodePng(GdkPixbuf* pixbuf, png_text* texts, int textCount, std::string* out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    const int width = gdk_pixbuf_get_width(pixbuf);
    const int height = gdk_pixbuf_get_height(pixbuf);
    const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
    png_set_write_fn(png, out, AppendPngBytes, IgnorePngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 0);
    png_set_text(png, info, texts, textCount);
    png_write_info(png, info);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < height; ++y) png_write_row(png, pixels + static_cast<size_t>(y) * stride);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

void SaveThumbnail(GdkPixbuf* thumbnail, const SourceFile& source, Size image,
                   const std::string& path) {
    std::string mtime = std::to_string(source.mtime);
    std::string width = std::to_string(image.width);
    std::string height = std::to_string(image.height);
    std::string uri = source.uri;
    char keyUri[] = "Thumb::URI";
    char keyMTime[] = "Thumb::MTime";
    char keyWidth[] = "Thumb::Image::Width";
    char keyHeight[] = "Thumb::Image::Height";
    png_text texts[4] = {};
    char* keys[4] = {keyUri, keyMTime, keyWidth, keyHeight};
    std::string* values[4] = {&uri, &mtime, &width, &height};
    for (int i = 0; i < 4; ++i) {
        texts[i].compression = PNG_TEXT_COMPRESSION_NONE;
        texts[i].key = keys[i];
        texts[i].text = values[i]->data();
    }
    std::string bytes;
    if (EncodePng(thumbnail, texts, 4, &bytes)) WritePrivateFile(path, bytes.data(), bytes.size());
}

bool HasFailRecord(const std::string& path, const SourceFile& source) {
    PixbufRef record = LoadCachedPng(path);
    return record && MadeFrom(record.get(), source);
}

void SaveFailRecord(const SourceFile& source, const std::string& path) {
    PixbufRef dot(gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, 1, 1));
    if (!dot) return;
    gdk_pixbuf_fill(dot.get(), 0);
    SaveThumbnail(dot.get(), source, {1, 1}, path);
}

// One axis of a bilinear stretch: for each target position the first source sample and the
// weight (0 to 256) of the one after it, sampled at pixel centres.
struct Taps {
    std::vector<int> first;
    std::vector<int> weight;
};

Taps AxisTaps(int source, int target) {
    Taps taps;
    taps.first.resize(static_cast<size_t>(target));
    taps.weight.resize(static_cast<size_t>(target));
    for (int i = 0; i < target; ++i) {
        const double at = std::clamp((i + 0.5) * source / target - 0.5, 0.0, source - 1.0);
        const int first = std::min(static_cast<int>(at), std::max(0, source - 2));
        taps.first[static_cast<size_t>(i)] = first;
        taps.weight[static_cast<size_t>(i)] =
            source > 1 ? static_cast<int>((at - first) * 256 + 0.5) : 0;
    }
    return taps;
}

// The pixbuf stretched to `size` as BGRA, by bilinear sampling: a thumbnail becomes a card
// picture many times per reload, and the general scaler of the library costs several times
// as much for these small sizes.
BgraImage Stretch(GdkPixbuf* pixbuf, Size size) {
    const int width = gdk_pixbuf_get_width(pixbuf);
    const int height = gdk_pixbuf_get_height(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    const Taps columns = AxisTaps(width, size.width);
    const Taps rows = AxisTaps(height, size.height);
    const int step = width > 1 ? channels : 0;
    const int down = height > 1 ? stride : 0;
    BgraImage image;
    image.width = size.width;
    image.height = size.height;
    image.hasAlpha = alpha;
    image.pixels.resize(static_cast<size_t>(size.width) * size.height * 4);
    std::uint8_t* out = image.pixels.data();
    for (int y = 0; y < size.height; ++y) {
        const guchar* top =
            pixels + static_cast<size_t>(rows.first[static_cast<size_t>(y)]) * stride;
        const int wy = rows.weight[static_cast<size_t>(y)];
        for (int x = 0; x < size.width; ++x, out += 4) {
            const guchar* p = top + columns.first[static_cast<size_t>(x)] * channels;
            const int wx = columns.weight[static_cast<size_t>(x)];
            auto sample = [&](int c) {
                const int upper = p[c] * (256 - wx) + p[c + step] * wx;
                const int lower = p[c + down] * (256 - wx) + p[c + down + step] * wx;
                return static_cast<std::uint8_t>((upper * (256 - wy) + lower * wy + 32768) >> 16);
            };
            out[0] = sample(2);
            out[1] = sample(1);
            out[2] = sample(0);
            out[3] = alpha ? sample(3) : 0xFF;
        }
    }
    return image;
}

}  // namespace

FreedesktopThumbnailer::FreedesktopThumbnailer(std::string cacheRoot)
    : m_cacheRoot(std::move(cacheRoot)) {
    RemoveStaleTemporaries();
}

void FreedesktopThumbnailer::RemoveStaleTemporaries() const {
    const std::string root = CacheRoot();
    for (const std::string& folder : {LargeFolder(root), FailFolder(root)}) {
        RemoveStaleTemporaryFiles(folder, kTemporaryPrefix);
    }
}

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
    return source ? CacheFile(LargeFolder(CacheRoot()), *source) : std::string();
}

std::string FreedesktopThumbnailer::FailRecordPath(const std::string& path) const {
    std::optional<SourceFile> source = Describe(path);
    return source ? CacheFile(FailFolder(CacheRoot()), *source) : std::string();
}

std::optional<BgraImage> FreedesktopThumbnailer::CardPicture(const std::string& path, Size size) {
    if (size.width <= 0 || size.height <= 0) return std::nullopt;
    std::optional<SourceFile> source = Describe(path);
    if (!source) return std::nullopt;
    const std::string root = CacheRoot();
    const std::string cached = CacheFile(LargeFolder(root), *source);
    const std::string failed = CacheFile(FailFolder(root), *source);

    PixbufRef thumbnail = LoadCachedPng(cached);
    if (thumbnail && UsableThumbnail(thumbnail.get(), *source)) {
        ++m_fromCache;
    } else if (HasFailRecord(failed, *source)) {
        ++m_failed;
        return std::nullopt;
    } else {
        // Only the four picture formats, whole, are decoded: the content decides, never the name.
        std::optional<std::string> bytes = ReadPictureFile(path);
        const PictureInfo info =
            bytes ? InspectPicture(*bytes).value_or(PictureInfo{}) : PictureInfo{};
        if (info.width > 0) thumbnail = MakeThumbnail(*bytes, info);
        if (!thumbnail) {
            ++m_failed;
            SaveFailRecord(*source, failed);
            return std::nullopt;
        }
        ++m_decoded;
        SaveThumbnail(thumbnail.get(), *source, {info.width, info.height}, cached);
    }
    return Stretch(thumbnail.get(), size);
}

Thumbnailer::Counts FreedesktopThumbnailer::Tally() const {
    return {m_decoded.load(), m_fromCache.load(), m_failed.load()};
}

Thumbnailer& SystemThumbnailer() {
    static FreedesktopThumbnailer thumbnailer;
    return thumbnailer;
}

}  // namespace lumora
