#pragma once

#include <string_view>

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"

namespace lumora {

// KDE Plasma 5 and 6: a desktop script, run by plasmashell over D-Bus, sets the image
// wallpaper of every desktop and reads it back.
class PlasmaBackground : public DesktopBackground {
public:
    explicit PlasmaBackground(CommandRunner& runner) : m_runner(runner) {}
    int SetWallpaper(const std::string& path, int layout) override;

    // What the script prints when every desktop holds the picture, and otherwise.
    static constexpr std::string_view kHeld = "lumora-wallpaper-held";
    static constexpr std::string_view kRefused = "lumora-wallpaper-refused";

    // The script for one picture URI and layout code.
    static std::string Script(const std::string& uri, int layout);
    // True when dbus-send's printed reply is the script's kHeld.
    static bool ReplyHeld(const std::string& reply);

private:
    CommandRunner& m_runner;
};

}  // namespace lumora
