#pragma once

#include <gtk/gtk.h>

#include "platform/Host.h"
#include "platform/linux/NotificationAreaIcon.h"

namespace lumora {

class GtkHost;

// The notification-area icon, a GtkStatusIcon in the X11 system tray (XEmbed). Its clicks reach
// the program through the host, after the button was released, as the shell reports them.
class GtkTrayIcon final : public NotificationAreaIcon {
public:
    GtkTrayIcon(GtkHost& host, const TrayIcon& icon);
    ~GtkTrayIcon() override;
    GtkTrayIcon(const GtkTrayIcon&) = delete;
    GtkTrayIcon& operator=(const GtkTrayIcon&) = delete;

    void Update(const TrayIcon& icon) override;

    // Whether a notification area exists on the screen to take an icon (an X11 system tray
    // manager owns its selection).
    static bool AreaAvailable();

private:
    static gboolean OnRelease(GtkStatusIcon*, GdkEventButton* event, gpointer self);

    GtkHost& m_host;
    TrayIcon m_icon;
    GtkStatusIcon* m_status = nullptr;
};

}  // namespace lumora
