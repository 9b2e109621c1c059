#include "platform/linux/GioShell.h"

#include <gio/gio.h>

namespace lumora {

bool GioShell::OpenUrl(const std::string& url) {
    GError* error = nullptr;
    gboolean ok = g_app_info_launch_default_for_uri(url.c_str(), nullptr, &error);
    if (error) {
        g_error_free(error);
    }
    return ok;
}

bool GioShell::StartProgram(const std::string& path) {
    gchar* argv[] = {const_cast<gchar*>(path.c_str()), nullptr};
    GError* error = nullptr;
    // Without G_SPAWN_DO_NOT_REAP_CHILD GLib reaps the child itself, so no zombie is left while
    // this process lives on.
    gboolean ok =
        g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, nullptr, &error);
    if (error) {
        g_error_free(error);
    }
    return ok;
}

Shell& SystemShell() {
    static GioShell shell;
    return shell;
}

}  // namespace lumora
