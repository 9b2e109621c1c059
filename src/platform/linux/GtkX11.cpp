#include "platform/linux/GtkX11.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <string>

namespace lumora {

void X11PrepareForThreads() { XInitThreads(); }

guint32 X11ServerTime(GdkWindow* window) {
    if (!window || !GDK_IS_X11_WINDOW(window)) return GDK_CURRENT_TIME;
    return gdk_x11_get_server_time(window);
}

bool X11SystemTrayPresent() {
    GdkDisplay* display = gdk_display_get_default();
    if (!display || !GDK_IS_X11_DISPLAY(display)) return false;
    Display* xdisplay = GDK_DISPLAY_XDISPLAY(display);
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(xdisplay));
    const Atom selection = XInternAtom(xdisplay, name.c_str(), False);
    return XGetSelectionOwner(xdisplay, selection) != None;
}

}  // namespace lumora
