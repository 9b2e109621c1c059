#include "platform/linux/GtkHost.h"

#include <gtk/gtk.h>

#include "platform/linux/GtkMessageBox.h"

namespace lumora {

std::unique_ptr<GtkHost> GtkHost::Open() {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr)) return nullptr;
    return std::unique_ptr<GtkHost>(new GtkHost());
}

GtkHost::GtkHost() = default;
GtkHost::~GtkHost() = default;

int GtkHost::MessageBox(SurfaceId /*owner*/, const std::string& text, const std::string& caption,
                        unsigned type) {
    // No surfaces exist yet, so every box is unowned.
    return GtkMessageBox(text, caption, type).Run(nullptr);
}

}  // namespace lumora
