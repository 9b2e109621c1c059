#pragma once

#include <string>

namespace lumora {

// How a picture covers the desktop, by the codes the program passes.
enum WallpaperLayout : int {
    kLayoutTiled = 0,
    kLayoutCentred = 1,
    kLayoutStretched = 2,
    kLayoutFitted = 3,  // whole picture, proportions kept
    kLayoutFilled = 4,  // whole screen, proportions kept, cropped
};

// Port to the current user's desktop background.
class DesktopBackground {
public:
    virtual ~DesktopBackground() = default;

    // Shows the picture file as the desktop background with the layout (0 to 4), reading the
    // file again even when the path is the one already shown. 0 on success, otherwise an errno
    // value: EINVAL for another layout code, ENXIO when no desktop could be reached, EACCES
    // when the settings refuse the change, EIO when the desktop's tool failed, ENOENT when a
    // picture that has to be read here cannot be.
    virtual int SetWallpaper(const std::string& path, int layout) = 0;
};

// The desktop the session runs, chosen by XDG_CURRENT_DESKTOP at every call.
DesktopBackground& SystemDesktopBackground();

}  // namespace lumora
