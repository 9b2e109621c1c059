#pragma once

#include <gio/gio.h>

#include <memory>
#include <string>

#include "platform/Host.h"
#include "platform/linux/NotificationAreaIcon.h"

namespace lumora {

class DbusMenuExport;
class GtkHost;

// The notification icon as a StatusNotifierItem on the session bus, the way KDE Plasma, GNOME
// (with its AppIndicator extension) and most Wayland panels show icons: the item object under a
// bus name of its own, registered with the desktop's StatusNotifierWatcher (again whenever a
// watcher appears, as after a panel restart), and its menu exported over D-Bus. Activate is
// the left click, ContextMenu the right click at the point the panel names. The item leaves
// the panel when it is destroyed, or when the process ends and its bus name goes.
class StatusNotifierItem final : public NotificationAreaIcon {
public:
    // Whether the desktop shows such items now: a watcher with a registered host (a panel) is
    // on the session bus. A process shows one item at most; a second one is not available.
    static bool Available();

    StatusNotifierItem(GtkHost& host, const TrayIcon& icon);
    ~StatusNotifierItem() override;
    StatusNotifierItem(const StatusNotifierItem&) = delete;
    StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

    void Update(const TrayIcon& icon) override;

private:
    void LoadPicture();
    void Register();
    void Emit(const char* signal, GVariant* parameters = nullptr);
    GVariant* Property(const char* name) const;

    static void OnMethodCall(GDBusConnection*, const char* sender, const char* path,
                             const char* interface, const char* method, GVariant* parameters,
                             GDBusMethodInvocation* invocation, gpointer self);
    static GVariant* OnGetProperty(GDBusConnection*, const char* sender, const char* path,
                                   const char* interface, const char* property, GError** error,
                                   gpointer self);
    static void OnNameAcquired(GDBusConnection*, const char* name, gpointer self);
    static void OnNameLost(GDBusConnection*, const char* name, gpointer self);
    static void OnWatcherAppeared(GDBusConnection*, const char* name, const char* owner,
                                  gpointer self);
    static void OnWatcherVanished(GDBusConnection*, const char* name, gpointer self);
    static void OnRegistered(GObject* bus, GAsyncResult* result, gpointer self);

    GtkHost& m_host;
    TrayIcon m_icon;
    GDBusConnection* m_bus = nullptr;
    GCancellable* m_calls = nullptr;  // registrations in flight
    std::string m_busName;
    unsigned m_objectId = 0;
    unsigned m_nameId = 0;
    unsigned m_watchId = 0;
    bool m_nameOwned = false;
    std::string m_watcher;          // the watcher's unique bus name, empty while there is none
    std::string m_registeredWith;   // the watcher the item was last registered with
    std::string m_iconName;         // a name of the icon theme, empty for the pixmap only
    GVariant* m_pixmaps = nullptr;  // a(iiay)
    std::unique_ptr<DbusMenuExport> m_menu;
};

}  // namespace lumora
