#include "platform/linux/GSettingsBackground.h"

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace lumora {

const GSettingsKeys GSettingsBackground::kGnome = {"org.gnome.desktop.background", "picture-uri",
                                                   "picture-uri-dark", true, "picture-options"};
const GSettingsKeys GSettingsBackground::kCinnamon = {
    "org.cinnamon.desktop.background", "picture-uri", nullptr, true, "picture-options"};
const GSettingsKeys GSettingsBackground::kMate = {"org.mate.background", "picture-filename",
                                                  nullptr, false, "picture-options"};

namespace {

// The picture-options value of each layout code; the three desktops share the names.
constexpr const char* kOptions[] = {"wallpaper", "centered", "stretched", "scaled", "zoom"};

// Without a real backend (dconf, or the keyfile one) GIO keeps changes in memory, where no
// desktop would ever see them.
bool BackendPersists() {
    GSettingsBackend* backend = g_settings_backend_get_default();
    const bool persists = std::strcmp(G_OBJECT_TYPE_NAME(backend), "GMemorySettingsBackend") != 0;
    g_object_unref(backend);
    return persists;
}

bool Holds(GSettings* settings, const char* key, const std::string& value) {
    gchar* current = g_settings_get_string(settings, key);
    const bool holds = value == current;
    g_free(current);
    return holds;
}

// Sets a key; when it holds the value already, an empty value goes first, since the desktop
// reloads its picture only when it is told the key changed.
bool SetChanging(GSettings* settings, const char* key, const std::string& value) {
    if (!g_settings_is_writable(settings, key)) {
        return false;
    }
    if (Holds(settings, key, value) && !g_settings_set_string(settings, key, "")) {
        return false;
    }
    return g_settings_set_string(settings, key, value.c_str());
}

}  // namespace

int GSettingsBackground::SetWallpaper(const std::string& path, int layout) {
    if (layout < kLayoutTiled || layout > kLayoutFilled) {
        return EINVAL;
    }
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema =
        source ? g_settings_schema_source_lookup(source, m_keys.schema, TRUE) : nullptr;
    if (!schema) {
        return ENXIO;
    }
    const bool hasDark =
        m_keys.darkPictureKey && g_settings_schema_has_key(schema, m_keys.darkPictureKey);
    if (!BackendPersists()) {
        g_settings_schema_unref(schema);
        return ENXIO;
    }
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);

    std::error_code error;
    const std::string absolute = std::filesystem::absolute(path, error).string();
    std::string picture = absolute;
    if (m_keys.pictureIsUri) {
        gchar* uri = g_filename_to_uri(absolute.c_str(), nullptr, nullptr);
        picture = uri ? uri : "";
        g_free(uri);
    }
    int status = 0;
    if (picture.empty()) {
        status = EINVAL;
    } else if (!g_settings_set_string(settings, m_keys.optionsKey, kOptions[layout]) ||
               !SetChanging(settings, m_keys.pictureKey, picture) ||
               (hasDark && !SetChanging(settings, m_keys.darkPictureKey, picture))) {
        status = EACCES;
    }
    g_settings_sync();
    // Read back after the write reached the backend: a locked key keeps its old value.
    if (status == 0 && (!Holds(settings, m_keys.pictureKey, picture) ||
                        (hasDark && !Holds(settings, m_keys.darkPictureKey, picture)))) {
        status = EACCES;
    }
    g_object_unref(settings);
    return status;
}

}  // namespace lumora
