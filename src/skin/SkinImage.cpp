#include "skin/SkinImage.h"

#include <filesystem>
#include <system_error>

#include "wnd/DC.h"

namespace lumora {

bool SkinImage::Load(const std::string& path) {
    Destroy();
    std::optional<BgraImage> decoded = LoadImageFile(path);
    if (!decoded || decoded->Empty()) return false;
    m_bits = std::move(*decoded);
    return true;
}

void SkinImage::Draw(DC& dc, const Rect& dest) const {
    if (IsNull()) return;
    dc.DrawImage(m_bits, dest);
}

void SkinImage::Draw(DC& dc, int x, int y, int width, int height) const {
    Draw(dc, Rect::FromXywh(x, y, width, height));
}

bool SkinFileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

}  // namespace lumora
