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
    // that is applied again. Returns the desktop's status, which callers may ignore.
    int ApplyPicture(const std::string& picturePath) const;

    // The two steps of ApplyPicture. The conversion touches only files, so it may run on a
    // worker thread; it answers whether the picture reached the conversion file.
    static bool ConvertPicture(const std::string& picturePath, const std::string& conversionPath);
    // Tells the desktop to show "temp.bmp" stretched; answers the desktop's status.
    int ShowConversion() const;

private:
    const std::string& m_collectionDirectory;
    DesktopBackground& m_desktop;
};

}  // namespace lumora
