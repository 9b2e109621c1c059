#pragma once

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"
#include "platform/linux/GSettingsBackground.h"
#include "platform/linux/PlasmaBackground.h"
#include "platform/linux/X11RootBackground.h"
#include "platform/linux/XfceBackground.h"

namespace lumora {

// Hands each request to the desktop that XDG_CURRENT_DESKTOP names at the moment of the call;
// the bare X11 root window when it names none we know.
class SessionDesktopBackground : public DesktopBackground {
public:
    enum class Desktop { Gnome, Cinnamon, Mate, Xfce, Plasma, X11Root };

    explicit SessionDesktopBackground(CommandRunner& runner);
    int SetWallpaper(const std::string& path, int layout) override;

    // The desktop a value of XDG_CURRENT_DESKTOP (a colon-separated list) stands for.
    static Desktop DesktopOf(const char* currentDesktop);

private:
    GSettingsBackground m_gnome{GSettingsBackground::kGnome};
    GSettingsBackground m_cinnamon{GSettingsBackground::kCinnamon};
    GSettingsBackground m_mate{GSettingsBackground::kMate};
    XfceBackground m_xfce;
    PlasmaBackground m_plasma;
    X11RootBackground m_root;
};

}  // namespace lumora
