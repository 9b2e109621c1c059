#pragma once

#include <sys/types.h>

#include "platform/DesktopBackground.h"

namespace lumora {

// Other wlroots compositors draw no background of their own: a swaybg of ours shows the picture
// on every output. It is detached so that it outlives the program; the next change starts its
// successor first and ends it only once the new one runs, so the screen never shows bare grey.
class SwaybgBackground : public DesktopBackground {
public:
    // swaybg's (and sway's) mode of each layout code.
    static constexpr const char* kModes[] = {"tile", "center", "stretch", "fit", "fill"};

    int SetWallpaper(const std::string& path, int layout) override;

private:
    // The swaybg this program started last, 0 before the first change.
    pid_t m_current = 0;
};

}  // namespace lumora
