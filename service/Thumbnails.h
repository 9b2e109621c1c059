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

// Thumbnails of the library's pictures at the size of the page's cards: the file "thumb_<file>"
// beside the picture when there is one, otherwise a copy made once and kept in memory.
class Thumbnails {
public:
    static constexpr int kWidth = 206;
    static constexpr int kHeight = 150;

    explicit Thumbnails(const PictureLibrary& library) : m_library(library) {}

    // Empty bytes when the picture cannot be read.
    ImageBytes For(const Picture& picture);

    // Encodes a copy of the image file at `path` scaled to cover `width` × `height` and cut to it
    // around the middle; empty bytes when it cannot be decoded.
    static ImageBytes Scale(const std::string& path, int width, int height);

private:
    const PictureLibrary& m_library;
    std::mutex m_mutex;
    std::map<std::string, ImageBytes> m_made;
};

}  // namespace lumora::service
