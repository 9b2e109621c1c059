#pragma once

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"

namespace lumora {

// KDE Plasma: a desktop script, run by plasmashell over D-Bus, sets the image wallpaper of
// every desktop.
class PlasmaBackground : public DesktopBackground {
public:
    explicit PlasmaBackground(CommandRunner& runner) : m_runner(runner) {}
    int SetWallpaper(const std::string& path, int layout) override;

    // The script for one picture URI and layout code.
    static std::string Script(const std::string& uri, int layout);

private:
    CommandRunner& m_runner;
};

}  // namespace lumora
