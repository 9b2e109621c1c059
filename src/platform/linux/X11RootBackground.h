#pragma once

#include "platform/DesktopBackground.h"

namespace lumora {

// Where no desktop environment draws the background: the picture goes into a pixmap of the
// screen's size that becomes the root window's background, published through _XROOTPMAP_ID
// and ESETROOT_PMAP_ID for terminals and panels that show the background through.
class X11RootBackground : public DesktopBackground {
public:
    int SetWallpaper(const std::string& path, int layout) override;
};

}  // namespace lumora
