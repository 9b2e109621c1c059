#pragma once

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"
#include "platform/linux/GSettingsBackground.h"
#include "platform/linux/PcmanfmBackground.h"
#include "platform/linux/PlasmaBackground.h"
#include "platform/linux/SwayBackground.h"
#include "platform/linux/SwaybgBackground.h"
#include "platform/linux/X11RootBackground.h"
#include "platform/linux/XfceBackground.h"

namespace lumora {

// Hands each request to the desktop that XDG_CURRENT_DESKTOP names at the moment of the call.
// Where it names none we know, the running compositor decides: sway by its socket, another
// Wayland compositor gets a swaybg, and the bare X11 root window is the last resort.
class SessionDesktopBackground : public DesktopBackground {
public:
    enum class Desktop { Gnome, Cinnamon, Mate, Xfce, Plasma, Lxqt, Lxde, Sway, Wlroots, X11Root };

    explicit SessionDesktopBackground(CommandRunner& runner);
    int SetWallpaper(const std::string& path, int layout) override;

    // The desktop a value of XDG_CURRENT_DESKTOP (a colon-separated list) stands for, with
    // the values of SWAYSOCK and WAYLAND_DISPLAY for a session that names none we know.
    static Desktop DesktopOf(const char* currentDesktop, const char* swaySocket = nullptr,
                             const char* waylandDisplay = nullptr);

private:
    GSettingsBackground m_gnome{GSettingsBackground::kGnome};
    GSettingsBackground m_cinnamon{GSettingsBackground::kCinnamon};
    GSettingsBackground m_mate{GSettingsBackground::kMate};
    XfceBackground m_xfce;
    PlasmaBackground m_plasma;
    PcmanfmBackground m_lxqt;
    PcmanfmBackground m_lxde;
    SwayBackground m_sway;
    SwaybgBackground m_swaybg;
    X11RootBackground m_root;
};

}  // namespace lumora
