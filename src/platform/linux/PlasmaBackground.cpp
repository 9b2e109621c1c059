#include "platform/linux/PlasmaBackground.h"

#include <glib.h>

#include <cerrno>
#include <filesystem>

#include "platform/linux/DoubleQuoted.h"

namespace lumora {
namespace {

// The image plugin's FillMode values: 0 stretch, 1 fit, 2 crop, 3 tile, 6 centred.
constexpr int kFillModes[] = {3, 6, 0, 1, 2};

}  // namespace

std::string PlasmaBackground::Script(const std::string& uri, int layout) {
    // The plugin keeps the picture it loaded for as long as the configured URI stays the same,
    // so a desktop that shows this URI already gets the same file under another spelling.
    const auto slash = uri.rfind('/');
    const std::string respelled = uri.substr(0, slash + 1) + "./" + uri.substr(slash + 1);
    // Widgets locked by the user would refuse the change: unlocked for it, locked again after.
    // Every desktop is read back; the reply says whether all of them hold the picture.
    return "var uris = [" + DoubleQuoted(uri) + ", " + DoubleQuoted(respelled) +
           "];\n"
           "var wasLocked = locked;\n"
           "try { locked = false; } catch (e) {}\n"
           "var all = desktops();\n"
           "var held = 0;\n"
           "for (var i = 0; i < all.length; i++) {\n"
           "  var d = all[i];\n"
           "  d.wallpaperPlugin = \"org.kde.image\";\n"
           "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
           "  var uri = String(d.readConfig(\"Image\")) == uris[0] ? uris[1] : uris[0];\n"
           "  d.writeConfig(\"FillMode\", " +
           std::to_string(kFillModes[layout]) +
           ");\n"
           "  d.writeConfig(\"Image\", uri);\n"
           "  if (d.wallpaperPlugin == \"org.kde.image\" && String(d.readConfig(\"Image\")) == "
           "uri) {\n"
           "    held++;\n"
           "  }\n"
           "}\n"
           "try { locked = wasLocked; } catch (e) {}\n"
           "print(held > 0 && held == all.length ? \"" +
           std::string(kHeld) + "\" : \"" + std::string(kRefused) + "\");\n";
}

bool PlasmaBackground::ReplyHeld(const std::string& reply) {
    return reply.find("string \"" + std::string(kHeld)) != std::string::npos;
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
        m_runner.Run({"dbus-send", "--session", "--print-reply", "--reply-timeout=8000",
                      "--dest=org.kde.plasmashell", "/PlasmaShell",
                      "org.kde.PlasmaShell.evaluateScript", "string:" + script});
    if (!result.started) {
        return ENXIO;
    }
    if (result.exitCode != 0) {
        return EIO;
    }
    return ReplyHeld(result.output) ? 0 : EACCES;
}

}  // namespace lumora
