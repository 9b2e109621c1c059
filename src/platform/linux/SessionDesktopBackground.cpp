#include "platform/linux/SessionDesktopBackground.h"

#include <strings.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace lumora {

SessionDesktopBackground::SessionDesktopBackground(CommandRunner& runner)
    : m_xfce(runner),
      m_plasma(runner),
      m_lxqt(runner, PcmanfmBackground::kLxqt),
      m_lxde(runner, PcmanfmBackground::kLxde),
      m_sway(runner) {}

SessionDesktopBackground::Desktop SessionDesktopBackground::DesktopOf(const char* currentDesktop,
                                                                      const char* swaySocket,
                                                                      const char* waylandDisplay) {
    std::istringstream names(currentDesktop ? currentDesktop : "");
    // The first name we know decides: "ubuntu:GNOME" is GNOME, "X-Cinnamon" Cinnamon.
    for (std::string name; std::getline(names, name, ':');) {
        auto is = [&](const char* known) { return strcasecmp(name.c_str(), known) == 0; };
        if (is("X-Cinnamon") || is("Cinnamon")) {
            return Desktop::Cinnamon;
        }
        if (is("MATE")) {
            return Desktop::Mate;
        }
        if (is("XFCE")) {
            return Desktop::Xfce;
        }
        if (is("KDE")) {
            return Desktop::Plasma;
        }
        if (is("LXQt")) {
            return Desktop::Lxqt;
        }
        if (is("LXDE")) {
            return Desktop::Lxde;
        }
        if (is("sway")) {
            return Desktop::Sway;
        }
        if (is("GNOME") || is("GNOME-Classic") || is("GNOME-Flashback") || is("Unity") ||
            is("Budgie") || is("Pantheon")) {
            return Desktop::Gnome;
        }
    }
    if (swaySocket && *swaySocket) {
        return Desktop::Sway;
    }
    if (waylandDisplay && *waylandDisplay) {
        return Desktop::Wlroots;
    }
    return Desktop::X11Root;
}

int SessionDesktopBackground::SetWallpaper(const std::string& path, int layout) {
    switch (DesktopOf(std::getenv("XDG_CURRENT_DESKTOP"), std::getenv("SWAYSOCK"),
                      std::getenv("WAYLAND_DISPLAY"))) {
        case Desktop::Gnome:
            return m_gnome.SetWallpaper(path, layout);
        case Desktop::Cinnamon:
            return m_cinnamon.SetWallpaper(path, layout);
        case Desktop::Mate:
            return m_mate.SetWallpaper(path, layout);
        case Desktop::Xfce:
            return m_xfce.SetWallpaper(path, layout);
        case Desktop::Plasma:
            return m_plasma.SetWallpaper(path, layout);
        case Desktop::Lxqt:
            return m_lxqt.SetWallpaper(path, layout);
        case Desktop::Lxde:
            return m_lxde.SetWallpaper(path, layout);
        case Desktop::Sway:
            return m_sway.SetWallpaper(path, layout);
        case Desktop::Wlroots:
            return m_swaybg.SetWallpaper(path, layout);
        case Desktop::X11Root:
            break;
    }
    return m_root.SetWallpaper(path, layout);
}

DesktopBackground& SystemDesktopBackground() {
    static SessionDesktopBackground background(SystemCommandRunner());
    return background;
}

}  // namespace lumora
