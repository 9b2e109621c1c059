#pragma once

#include "platform/DesktopBackground.h"

namespace lumora {

// The keys one desktop keeps its background in.
struct GSettingsKeys {
    const char* schema;
    const char* pictureKey;
    const char* darkPictureKey;  // nullptr where the desktop has none
    bool pictureIsUri;           // a file:// URI rather than a plain path
    const char* optionsKey;
};

// Desktops that read their background from GSettings: the GNOME family, Cinnamon, MATE.
class GSettingsBackground : public DesktopBackground {
public:
    static const GSettingsKeys kGnome;
    static const GSettingsKeys kCinnamon;
    static const GSettingsKeys kMate;

    explicit GSettingsBackground(const GSettingsKeys& keys) : m_keys(keys) {}
    int SetWallpaper(const std::string& path, int layout) override;

private:
    GSettingsKeys m_keys;  // a copy: a few pointers to static names
};

}  // namespace lumora
