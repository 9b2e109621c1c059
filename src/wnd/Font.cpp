#include "wnd/Font.h"

namespace lumora {

namespace {
// Pango takes a family list; fontconfig's default sans covers a machine without the first.
constexpr const char* kDialogFamily = "WenQuanYi Micro Hei,Sans";
}  // namespace

FontSpec MapFont(const Font& font) {
    FontSpec spec;
    spec.family = kDialogFamily;
    spec.pixelSize = font.pixelHeight > 0 ? font.pixelHeight : (font.pointSize * 96 + 36) / 72;
    spec.bold = font.bold;
    spec.italic = font.italic;
    return spec;
}

}  // namespace lumora
