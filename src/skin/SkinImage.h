#pragma once

#include <memory>
#include <string>

#include "base/Geometry.h"
#include "platform/ImageFile.h"

namespace lumora {

class DC;

// A picture loaded from a skin file: straight-alpha BGRA bytes as decoded, premultiplied on
// request. Drawing scales the whole picture into a rectangle, blending "over" when it carries
// alpha and copying otherwise. An empty image draws nothing. Copies share their pixels until
// one of them is changed through Bits().
class SkinImage {
public:
    // Empties the image, then decodes `path`; answers false (and stays empty) when the file
    // cannot be read or decoded.
    bool Load(const std::string& path);
    // The same through a cache of the whole process, so that the many buttons showing one skin
    // file hold one decoded copy; `premultiplied` asks for the premultiplied form. A file that
    // changed on disk since it was cached is decoded again.
    bool LoadShared(const std::string& path, bool premultiplied);
    void Destroy() { m_bits.reset(); }

    bool IsNull() const { return !m_bits || m_bits->Empty(); }
    bool HasAlpha() const { return m_bits && m_bits->hasAlpha; }
    int Width() const { return m_bits ? m_bits->width : 0; }
    int Height() const { return m_bits ? m_bits->height : 0; }
    // Writable pixels: a shared picture is copied first.
    BgraImage& Bits();
    const BgraImage& Bits() const;

    void Draw(DC& dc, const Rect& dest) const;
    void Draw(DC& dc, int x, int y, int width, int height) const;

private:
    std::shared_ptr<const BgraImage> m_bits;
};

// Whether something exists at `path`: the test made before any skin file is loaded.
bool SkinFileExists(const std::string& path);

}  // namespace lumora
