#include "platform/linux/SessionDesktopBackground.h"

#include <strings.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace lumora {

SessionDesktopBackground::SessionDesktopBackground(CommandRunner& runner)
    : m_xfce(runner), m_plasma(runner) {}

SessionDesktopBackground::Desktop SessionDesktopBackground::DesktopOf(const char* currentDesktop) {
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
        if (is("GNOME") || is("GNOME-Classic") || is("GNOME-Flashback") || is("Unity") ||
            is("Budgie") || is("Pantheon")) {
            return Desktop::Gnome;
        }
    }
    return Desktop::X11Root;
}

int SessionDesktopBackground::SetWallpaper(const std::string& path, int layout) {
    switch (DesktopOf(std::getenv("XDG_CURRENT_DESKTOP"))) {
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
