#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// The picture formats the program reads. Every other format is refused, whatever a file is
// called and whatever decoders the system has installed.
enum class PictureFormat { Jpeg, Png, Gif, Bmp };

// What the content of a picture file says about it.
struct PictureInfo {
    PictureFormat format = PictureFormat::Jpeg;
    int width = 0;  // the picture's size as its header states it (for GIF the logical screen)
    int height = 0;
};

// Judges the bytes by their content alone: a JPEG, PNG, GIF or BMP file that is whole (a JPEG
// up to its end marker, a PNG up to its IEND chunk, a GIF up to the end of its first frame, a
// BMP with all the pixel data its header claims), with its size. Nothing for any other
// content, a cut file, or a header that claims more than the file holds. Reads only the
// structure, never decodes pixels.
std::optional<PictureInfo> InspectPicture(std::string_view bytes);

// Picture files above this size are not read at all.
inline constexpr long long kMaxPictureFileBytes = 512LL * 1024 * 1024;

// The bytes of a regular file that begins as a JPEG, PNG, GIF or BMP file does and is not larger
// than kMaxPictureFileBytes. Nothing otherwise, and then only its first bytes have been read.
std::optional<std::string> ReadPictureFile(const std::string& path);

// InspectPicture of the file's content.
std::optional<PictureInfo> InspectPictureFile(const std::string& path);

}  // namespace lumora
