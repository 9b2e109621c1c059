#include "platform/PictureFormat.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

namespace lumora {
namespace {

// The content as unsigned bytes, with reads that never run past its end.
class Bytes {
public:
    explicit Bytes(std::string_view bytes)
        : m_data(reinterpret_cast<const std::uint8_t*>(bytes.data())), m_size(bytes.size()) {}
    size_t Size() const { return m_size; }
    bool Has(size_t at, size_t count) const { return at <= m_size && count <= m_size - at; }
    std::uint8_t At(size_t at) const { return m_data[at]; }
    std::uint32_t Be16(size_t at) const { return std::uint32_t{m_data[at]} << 8 | m_data[at + 1]; }
    std::uint32_t Be32(size_t at) const { return Be16(at) << 16 | Be16(at + 2); }
    std::uint32_t Le16(size_t at) const { return std::uint32_t{m_data[at + 1]} << 8 | m_data[at]; }
    std::uint32_t Le32(size_t at) const { return Le16(at + 2) << 16 | Le16(at); }
    bool Starts(std::string_view magic) const {
        return m_size >= magic.size() && std::memcmp(m_data, magic.data(), magic.size()) == 0;
    }
    // The position of the next byte `value` at or after `at`, or the size.
    size_t Find(size_t at, std::uint8_t value) const {
        if (at >= m_size) return m_size;
        const void* found = std::memchr(m_data + at, value, m_size - at);
        return found ? static_cast<size_t>(static_cast<const std::uint8_t*>(found) - m_data)
                     : m_size;
    }

private:
    const std::uint8_t* m_data;
    size_t m_size;
};

bool IsStandaloneJpegMarker(std::uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool IsJpegFrameMarker(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the marker segments from the start marker to the end marker, stepping over the
// entropy-coded data after each scan header (where 0xFF is followed by 0x00 or a restart
// marker). A file that ends before the end marker is cut.
std::optional<PictureInfo> InspectJpeg(const Bytes& b) {
    PictureInfo info{PictureFormat::Jpeg};
    bool frame = false;
    bool scan = false;
    size_t at = 2;
    for (;;) {
        // Stray bytes between segments are skipped, as decoders do.
        at = b.Find(at, 0xFF);
        while (at < b.Size() && b.At(at) == 0xFF) ++at;
        if (at >= b.Size()) return std::nullopt;
        const std::uint8_t marker = b.At(at++);
        if (marker == 0xD9) break;
        if (marker == 0x00 || IsStandaloneJpegMarker(marker)) continue;
        if (!b.Has(at, 2)) return std::nullopt;
        const size_t length = b.Be16(at);
        if (length < 2 || !b.Has(at, length)) return std::nullopt;
        if (IsJpegFrameMarker(marker) && !frame) {
            if (length < 7) return std::nullopt;
            info.height = static_cast<int>(b.Be16(at + 3));
            info.width = static_cast<int>(b.Be16(at + 5));
            frame = true;
        }
        at += length;
        if (marker != 0xDA) continue;
        if (!frame) return std::nullopt;
        scan = true;
        for (;;) {
            const size_t ff = b.Find(at, 0xFF);
            size_t next = ff + 1;
            while (next < b.Size() && b.At(next) == 0xFF) ++next;
            if (next >= b.Size()) return std::nullopt;
            const std::uint8_t code = b.At(next);
            if (code == 0x00 || (code >= 0xD0 && code <= 0xD7)) {
                at = next + 1;
                continue;
            }
            at = ff;
            break;
        }
    }
    if (!frame || !scan || info.width <= 0 || info.height <= 0) return std::nullopt;
    return info;
}

// The chunks from the header chunk to IEND; every chunk must be there in full.
std::optional<PictureInfo> InspectPng(const Bytes& b) {
    if (!b.Starts("\x89PNG\r\n\x1A\n") || !b.Has(0, 33) || b.Be32(8) != 13 ||
        b.Be32(12) != 0x49484452u /* IHDR */) {
        return std::nullopt;
    }
    const std::uint32_t width = b.Be32(16);
    const std::uint32_t height = b.Be32(20);
    if (width == 0 || height == 0 || width > INT_MAX || height > INT_MAX) return std::nullopt;
    bool data = false;
    for (size_t at = 8;;) {
        if (!b.Has(at, 12)) return std::nullopt;
        const std::uint32_t length = b.Be32(at);
        const std::uint32_t type = b.Be32(at + 4);
        if (length > 0x7FFFFFFFu || !b.Has(at + 8, size_t{length} + 4)) return std::nullopt;
        if (type == 0x49444154u /* IDAT */) data = true;
        if (type == 0x49454E44u /* IEND */) break;
        at += 12 + size_t{length};
    }
    if (!data) return std::nullopt;
    return PictureInfo{PictureFormat::Png, static_cast<int>(width), static_cast<int>(height)};
}

// Steps over a chain of data sub-blocks; false when the chain runs past the end.
bool SkipSubBlocks(const Bytes& b, size_t& at) {
    for (;;) {
        if (!b.Has(at, 1)) return false;
        const size_t count = b.At(at++);
        if (count == 0) return true;
        at += count;
    }
}

// The blocks up to the end of the first frame's image data, which is all that is decoded.
std::optional<PictureInfo> InspectGif(const Bytes& b) {
    if (!(b.Starts("GIF87a") || b.Starts("GIF89a")) || !b.Has(0, 13)) return std::nullopt;
    PictureInfo info{PictureFormat::Gif, static_cast<int>(b.Le16(6)), static_cast<int>(b.Le16(8))};
    const std::uint8_t flags = b.At(10);
    size_t at = 13;
    if (flags & 0x80) at += size_t{3} << ((flags & 7) + 1);
    for (;;) {
        if (!b.Has(at, 1)) return std::nullopt;
        const std::uint8_t block = b.At(at++);
        if (block == 0x21) {
            ++at;  // the extension's label
            if (!SkipSubBlocks(b, at)) return std::nullopt;
        } else if (block == 0x2C) {
            if (!b.Has(at, 9)) return std::nullopt;
            if (info.width == 0 || info.height == 0) {
                info.width = static_cast<int>(b.Le16(at + 4));
                info.height = static_cast<int>(b.Le16(at + 6));
            }
            const std::uint8_t local = b.At(at + 8);
            at += 9;
            if (local & 0x80) at += size_t{3} << ((local & 7) + 1);
            ++at;  // the LZW code size
            if (!SkipSubBlocks(b, at)) return std::nullopt;
            break;
        } else {
            return std::nullopt;  // the trailer before any frame, or no block at all
        }
    }
    if (info.width <= 0 || info.height <= 0) return std::nullopt;
    return info;
}

// Whether run-length coded rows starting at `at` reach the end of the bitmap within the file.
bool RunLengthDataIsWhole(const Bytes& b, size_t at, std::int64_t rows, bool fourBit) {
    std::int64_t row = 0;
    for (;;) {
        if (!b.Has(at, 2)) return false;
        const std::uint8_t count = b.At(at);
        const std::uint8_t code = b.At(at + 1);
        at += 2;
        if (count > 0) continue;  // a run of one value
        if (code == 0) {          // end of a row
            if (++row >= rows) return true;
        } else if (code == 1) {  // end of the bitmap
            return true;
        } else if (code == 2) {  // a jump right and down
            if (!b.Has(at, 2)) return false;
            row += b.At(at + 1);
            at += 2;
            if (row >= rows) return true;
        } else {  // `code` literal pixels, padded to a whole 16-bit word
            size_t bytes = fourBit ? (size_t{code} + 1) / 2 : code;
            at += bytes + (bytes & 1);
        }
    }
}

// The headers, and pixel data of the size they claim.
std::optional<PictureInfo> InspectBmp(const Bytes& b) {
    if (!b.Starts("BM") || !b.Has(0, 18)) return std::nullopt;
    const size_t offset = b.Le32(10);
    const size_t header = b.Le32(14);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    if (header == 12) {
        if (!b.Has(14, 12)) return std::nullopt;
        width = b.Le16(18);
        height = b.Le16(20);
        bits = b.Le16(24);
    } else if (header == 16 || header == 40 || header == 52 || header == 56 || header == 64 ||
               header == 108 || header == 124) {
        if (!b.Has(14, header)) return std::nullopt;
        width = static_cast<std::int32_t>(b.Le32(18));
        height = static_cast<std::int32_t>(b.Le32(22));
        bits = b.Le16(28);
        compression = header >= 20 ? b.Le32(30) : 0;
    } else {
        return std::nullopt;
    }
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || rows == 0 || rows > INT_MAX || width > INT_MAX) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return std::nullopt;
    }
    if (offset < 14 + header || offset > b.Size()) return std::nullopt;
    const size_t available = b.Size() - offset;
    switch (compression) {
        case 0:    // BI_RGB
        case 3:    // BI_BITFIELDS
        case 6: {  // BI_ALPHABITFIELDS
            const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
            if (rowBytes > available / static_cast<std::uint64_t>(rows)) return std::nullopt;
            break;
        }
        case 1:  // BI_RLE8
        case 2:  // BI_RLE4
            if (height < 0 || bits != (compression == 1 ? 8u : 4u) ||
                !RunLengthDataIsWhole(b, offset, rows, compression == 2)) {
                return std::nullopt;
            }
            break;
        default:
            return std::nullopt;
    }
    return PictureInfo{PictureFormat::Bmp, static_cast<int>(width), static_cast<int>(rows)};
}

// The format whose signature the bytes begin with.
std::optional<PictureFormat> FormatOf(const Bytes& b) {
    if (b.Starts("\xFF\xD8\xFF")) return PictureFormat::Jpeg;
    if (b.Starts("\x89PNG")) return PictureFormat::Png;
    if (b.Starts("GIF8")) return PictureFormat::Gif;
    if (b.Starts("BM")) return PictureFormat::Bmp;
    return std::nullopt;
}

// Reads up to `size` bytes at the descriptor's position; false on a read error.
bool ReadInto(int fd, std::string& bytes, size_t size) {
    char buffer[1 << 16];
    while (bytes.size() < size) {
        const ssize_t got = read(fd, buffer, std::min(sizeof buffer, size - bytes.size()));
        if (got == 0) return true;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    return true;
}

}  // namespace

std::optional<PictureInfo> InspectPicture(std::string_view bytes) {
    const Bytes b(bytes);
    const std::optional<PictureFormat> format = FormatOf(b);
    if (!format) return std::nullopt;
    switch (*format) {
        case PictureFormat::Jpeg:
            return InspectJpeg(b);
        case PictureFormat::Png:
            return InspectPng(b);
        case PictureFormat::Gif:
            return InspectGif(b);
        case PictureFormat::Bmp:
            return InspectBmp(b);
    }
    return std::nullopt;
}

std::optional<std::string> ReadPictureFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::string bytes;
    constexpr size_t kSignature = 8;
    const bool whole = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                       info.st_size <= kMaxPictureFileBytes && ReadInto(fd, bytes, kSignature) &&
                       FormatOf(Bytes(bytes)).has_value() &&
                       ReadInto(fd, bytes, static_cast<size_t>(kMaxPictureFileBytes) + 1) &&
                       bytes.size() <= static_cast<size_t>(kMaxPictureFileBytes);
    close(fd);
    if (!whole) return std::nullopt;
    return bytes;
}

std::optional<PictureInfo> InspectPictureFile(const std::string& path) {
    std::optional<std::string> bytes = ReadPictureFile(path);
    return bytes ? InspectPicture(*bytes) : std::nullopt;
}

}  // namespace lumora
