#pragma once

#include <string>

#include "platform/Geometry.h"
#include "platform/ImageFile.h"

namespace lumora {

class DC;

// A picture loaded from a skin file: straight-alpha BGRA bytes as decoded, premultiplied on
// request. Drawing scales the whole picture into a rectangle, blending "over" when it carries
// alpha and copying otherwise. An empty image draws nothing.
class SkinImage {
public:
    // Empties the image, then decodes `path`; answers false (and stays empty) when the file
    // cannot be read or decoded.
    bool Load(const std::string& path);
    void Destroy() { m_bits = BgraImage{}; }

    bool IsNull() const { return m_bits.Empty(); }
    bool HasAlpha() const { return m_bits.hasAlpha; }
    int Width() const { return m_bits.width; }
    int Height() const { return m_bits.height; }
    BgraImage& Bits() { return m_bits; }
    const BgraImage& Bits() const { return m_bits; }

    void Draw(DC& dc, const Rect& dest) const;
    void Draw(DC& dc, int x, int y, int width, int height) const;

private:
    BgraImage m_bits;
};

// Whether something exists at `path`: the test made before any skin file is loaded.
bool SkinFileExists(const std::string& path);

}  // namespace lumora
