#pragma once

#include <map>
#include <mutex>
#include <string>

#include "service/PictureLibrary.h"

namespace lumora::service {

// An encoded image and its media type.
struct ImageBytes {
    std::string bytes;
    std::string contentType;
};

// The media type for a picture file name by its extension.
std::string ContentTypeFor(const std::string& file);

// Thumbnails of the library's pictures: the file "thumb_<file>" beside the picture when there is
// one, otherwise a scaled copy made once and kept in memory.
class Thumbnails {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 200;

    explicit Thumbnails(const PictureLibrary& library) : m_library(library) {}

    // Empty bytes when the picture cannot be read.
    ImageBytes For(const Picture& picture);

    // Encodes a scaled copy of the image file at `path`; empty bytes when it cannot be decoded.
    static ImageBytes Scale(const std::string& path, int width, int height);

private:
    const PictureLibrary& m_library;
    std::mutex m_mutex;
    std::map<std::string, ImageBytes> m_made;
};

}  // namespace lumora::service
