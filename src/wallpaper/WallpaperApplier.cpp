#include "wallpaper/WallpaperApplier.h"

#include <cerrno>
#include <mutex>

#include "app/ProcessStrings.h"
#include "platform/ImageFile.h"

namespace lumora {

WallpaperApplier::WallpaperApplier()
    : WallpaperApplier(Strings().collectionDirectory, SystemDesktopBackground()) {}

WallpaperApplier::WallpaperApplier(const std::string& collectionDirectory,
                                   DesktopBackground& desktop)
    : m_collectionDirectory(collectionDirectory), m_desktop(desktop) {}

std::string WallpaperApplier::ConversionPath() const {
    return m_collectionDirectory + "/imgs/temp.bmp";
}

int WallpaperApplier::ApplyPicture(const std::string& picturePath) const {
    // One application at a time, whichever thread asks: they share "temp.bmp".
    static std::mutex applying;
    const std::lock_guard lock(applying);
    const std::string bitmap = ConversionPath();
    int converted = 0;
    if (std::optional<BgraImage> image = LoadImageFile(picturePath)) {
        if (!SaveBitmapFile(*image, bitmap)) {
            converted = EIO;
        }
    } else {
        converted = EBADMSG;
    }
    // The desktop is set from "temp.bmp" either way; when the conversion failed that is the
    // previous picture, so the new one did not become the wallpaper.
    const int status = m_desktop.SetWallpaper(bitmap, kLayoutStretched);
    return converted != 0 ? converted : status;
}

}  // namespace lumora
