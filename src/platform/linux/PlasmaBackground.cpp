#include "platform/linux/PlasmaBackground.h"

#include <glib.h>

#include <cerrno>
#include <filesystem>

namespace lumora {
namespace {

// The image plugin's FillMode values: 0 stretch, 1 fit, 2 crop, 3 tile, 6 centred.
constexpr int kFillModes[] = {3, 6, 0, 1, 2};

// A JavaScript string literal of the text.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string PlasmaBackground::Script(const std::string& uri, int layout) {
    // The empty image first: the plugin reloads only when the configured value changes.
    return "var all = desktops();\n"
           "for (var i = 0; i < all.length; i++) {\n"
           "  var d = all[i];\n"
           "  d.wallpaperPlugin = \"org.kde.image\";\n"
           "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
           "  d.writeConfig(\"FillMode\", " +
           std::to_string(kFillModes[layout]) +
           ");\n"
           "  d.writeConfig(\"Image\", \"\");\n"
           "  d.writeConfig(\"Image\", " +
           Quoted(uri) +
           ");\n"
           "}\n";
}

int PlasmaBackground::SetWallpaper(const std::string& path, int layout) {
    if (layout < kLayoutTiled || layout > kLayoutFilled) {
        return EINVAL;
    }
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(path, error).string();
    gchar* uri = g_filename_to_uri(absolute.c_str(), nullptr, nullptr);
    if (!uri) {
        return EINVAL;
    }
    const std::string script = Script(uri, layout);
    g_free(uri);
    const CommandResult result =
        m_runner.Run({"dbus-send", "--session", "--print-reply", "--reply-timeout=10000",
                      "--dest=org.kde.plasmashell", "/PlasmaShell",
                      "org.kde.PlasmaShell.evaluateScript", "string:" + script});
    if (!result.started) {
        return ENXIO;
    }
    return result.exitCode == 0 ? 0 : EIO;
}

}  // namespace lumora
