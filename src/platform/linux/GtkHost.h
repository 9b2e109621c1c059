#pragma once

#include <memory>
#include <string>

#include "platform/Host.h"

namespace lumora {

// The host on the desktop: GTK 3 on its X11 backend, WebKitGTK for the HTML view. This header
// stays free of GTK so that main() can open the host without seeing the toolkit.
class GtkHost final : public Host {
public:
    // Initialises GTK on the X11 backend (the program places its windows in screen coordinates,
    // which only X11 honours; under Wayland this runs through XWayland). Null when no display
    // can be opened.
    static std::unique_ptr<GtkHost> Open();

    ~GtkHost() override;

    int MessageBox(SurfaceId owner, const std::string& text, const std::string& caption,
                   unsigned type) override;

private:
    GtkHost();
};

}  // namespace lumora
