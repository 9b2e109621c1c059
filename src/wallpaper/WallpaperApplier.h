#pragma once

#include <string>

#include "platform/DesktopBackground.h"

namespace lumora {

// Turns any picture into the desktop background: it is converted into the bitmap "temp.bmp"
// in the wallpaper folder, which the desktop is then told to show stretched.
class WallpaperApplier {
public:
    // Works on the shared collection directory and the session's desktop.
    WallpaperApplier();
    WallpaperApplier(const std::string& collectionDirectory, DesktopBackground& desktop);

    // "temp.bmp" in the wallpaper folder.
    std::string ConversionPath() const;

    // Converts and applies. A picture that cannot be decoded leaves "temp.bmp" as it was, and
    // that is applied again. 0 when the desktop holds the new picture; otherwise EBADMSG (not
    // decoded), EIO ("temp.bmp" not written) or the desktop's own status. Safe on any thread;
    // applications never overlap.
    int ApplyPicture(const std::string& picturePath) const;

private:
    std::string m_collectionDirectory;
    DesktopBackground& m_desktop;
};

}  // namespace lumora
