#include "wallpaper/WallpaperApplier.h"

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
    const std::string bitmap = ConversionPath();
    if (std::optional<BgraImage> image = LoadImageFile(picturePath)) {
        SaveBitmapFile(*image, bitmap);
    }
    return m_desktop.SetWallpaper(bitmap, kLayoutStretched);
}

}  // namespace lumora
