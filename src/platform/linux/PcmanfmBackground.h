#pragma once

#include <string>

#include "platform/CommandRunner.h"
#include "platform/DesktopBackground.h"

namespace lumora {

// The file managers that draw the LXQt and LXDE desktops: the running one is asked to show the
// picture with its own --set-wallpaper, and its saved settings show whether it took it.
class PcmanfmBackground : public DesktopBackground {
public:
    struct Kind {
        const char* program;        // the file manager, also its folder in XDG_CONFIG_HOME
        const char* modes[5];       // its --wallpaper-mode of each layout code
        const char* settingsStart;  // a settings file of a profile begins with this
        const char* wallpaperKey;   // the key that holds the picture's path
    };
    static const Kind kLxqt;
    static const Kind kLxde;

    PcmanfmBackground(CommandRunner& runner, const Kind& kind) : m_runner(runner), m_kind(kind) {}
    int SetWallpaper(const std::string& path, int layout) override;

    // The value of `key` in an INI-style settings text, escapes and quotes undone.
    static std::string SettingValue(const std::string& text, const std::string& key);

private:
    // True when a profile's settings hold `path` as the wallpaper.
    bool Holds(const std::string& path) const;

    CommandRunner& m_runner;
    Kind m_kind;  // a copy: pointers to static names
};

}  // namespace lumora
