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

bool WallpaperApplier::ConvertPicture(const std::string& picturePath,
                                      const std::string& conversionPath) {
    std::optional<BgraImage> image = LoadImageFile(picturePath);
    return image && SaveBitmapFile(*image, conversionPath);
}

int WallpaperApplier::ShowConversion() const {
    return m_desktop.SetWallpaper(ConversionPath(), kLayoutStretched);
}

int WallpaperApplier::ApplyPicture(const std::string& picturePath) const {
    ConvertPicture(picturePath, ConversionPath());
    return ShowConversion();
}

}  // namespace lumora
