#include "platform/linux/GtkTrayIcon.h"

#include "platform/linux/GtkHost.h"
#include "platform/linux/GtkX11.h"
#include "platform/linux/PixbufDecoder.h"

// GtkStatusIcon is deprecated in GTK 3 but remains the one toolkit way to the X11 system tray,
// which is what the desktops we run on offer (or bridge) for such icons.
G_GNUC_BEGIN_IGNORE_DEPRECATIONS

namespace lumora {
namespace {

// Used when the caller names no picture (or one that cannot be read).
constexpr const char* kFallbackIconName = "image-x-generic";

}  // namespace

GtkTrayIcon::GtkTrayIcon(GtkHost& host, const TrayIcon& icon) : m_host(host) {
    m_status = gtk_status_icon_new();
    g_signal_connect(m_status, "button-release-event", G_CALLBACK(OnRelease), this);
    Update(icon);
    gtk_status_icon_set_visible(m_status, TRUE);
}

GtkTrayIcon::~GtkTrayIcon() {
    g_signal_handlers_disconnect_by_data(m_status, this);
    gtk_status_icon_set_visible(m_status, FALSE);
    g_object_unref(m_status);
}

void GtkTrayIcon::Update(const TrayIcon& icon) {
    m_icon = icon;
    GdkPixbuf* picture = icon.iconPath.empty() ? nullptr : DecodePictureFile(icon.iconPath);
    if (picture) {
        gtk_status_icon_set_from_pixbuf(m_status, picture);
        g_object_unref(picture);
    } else {
        gtk_status_icon_set_from_icon_name(m_status, kFallbackIconName);
    }
    gtk_status_icon_set_tooltip_text(m_status, icon.tip.c_str());
    gtk_status_icon_set_title(m_status, icon.tip.c_str());
}

bool GtkTrayIcon::AreaAvailable() { return X11SystemTrayPresent(); }

gboolean GtkTrayIcon::OnRelease(GtkStatusIcon*, GdkEventButton* event, gpointer data) {
    auto* self = static_cast<GtkTrayIcon*>(data);
    if (event->button == 1 && self->m_icon.leftClick) {
        self->m_host.Deliver(self->m_icon.leftClick);
    } else if (event->button == 3 && self->m_icon.rightClick) {
        const Point at{static_cast<int>(event->x_root), static_cast<int>(event->y_root)};
        self->m_host.Deliver([handler = self->m_icon.rightClick, at] { handler(at); });
    }
    return TRUE;
}

}  // namespace lumora

G_GNUC_END_IGNORE_DEPRECATIONS
