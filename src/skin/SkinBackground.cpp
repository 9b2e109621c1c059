#include "skin/SkinBackground.h"

#include "skin/SkinImage.h"
#include "wnd/Wnd.h"

namespace lumora {

bool DrawSkinBackground(Wnd& window, DC& dc, const std::string& path, bool defaultErased) {
    if (!SkinFileExists(path)) return false;
    SkinImage image;
    image.LoadShared(path, false);
    Rect client = window.GetClientRect();
    image.Draw(dc, client.left, client.top, client.Width(), client.Height());
    return defaultErased;
}

Brush TransparentCtlColor(DC& dc) {
    dc.SetBkMode(TRANSPARENT);
    return Brush::HollowBrush();
}

}  // namespace lumora
