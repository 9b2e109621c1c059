#include "platform/linux/StatusNotifierItem.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "platform/linux/ArgbPixmap.h"
#include "platform/linux/DbusMenuExport.h"
#include "platform/linux/GtkHost.h"
#include "platform/linux/PixbufDecoder.h"

namespace lumora {
namespace {

constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
constexpr const char* kWatcherInterface = "org.kde.StatusNotifierWatcher";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kMenuPath = "/MenuBar";
// A panel that does not answer within this time is taken as absent.
constexpr int kCallTimeoutMs = 1000;
// Shown when the item has neither a picture nor a themed icon of its own.
constexpr const char* kFallbackIconName = "image-x-generic";

constexpr const char* kIntrospection = R"xml(<node>
  <interface name="org.kde.StatusNotifierItem">
    <property name="Category" type="s" access="read"/>
    <property name="Id" type="s" access="read"/>
    <property name="Title" type="s" access="read"/>
    <property name="Status" type="s" access="read"/>
    <property name="WindowId" type="i" access="read"/>
    <property name="IconName" type="s" access="read"/>
    <property name="IconPixmap" type="a(iiay)" access="read"/>
    <property name="OverlayIconName" type="s" access="read"/>
    <property name="OverlayIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionIconName" type="s" access="read"/>
    <property name="AttentionIconPixmap" type="a(iiay)" access="read"/>
    <property name="AttentionMovieName" type="s" access="read"/>
    <property name="ToolTip" type="(sa(iiay)ss)" access="read"/>
    <property name="ItemIsMenu" type="b" access="read"/>
    <property name="Menu" type="o" access="read"/>
    <method name="ContextMenu">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="Activate">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="SecondaryActivate">
      <arg name="x" type="i" direction="in"/>
      <arg name="y" type="i" direction="in"/>
    </method>
    <method name="Scroll">
      <arg name="delta" type="i" direction="in"/>
      <arg name="orientation" type="s" direction="in"/>
    </method>
    <signal name="NewTitle"/>
    <signal name="NewIcon"/>
    <signal name="NewAttentionIcon"/>
    <signal name="NewOverlayIcon"/>
    <signal name="NewToolTip"/>
    <signal name="NewStatus">
      <arg name="status" type="s"/>
    </signal>
  </interface>
</node>)xml";

GDBusInterfaceInfo* ItemInterfaceInfo() {
    static GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, nullptr);
    return node->interfaces[0];
}

// The session bus, or null when none is configured. A bus that GIO would start on demand
// (autolaunch) is new and empty, so it cannot hold a panel: it is not started for that.
GDBusConnection* SessionBus() {
    const char* address = g_getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address || !*address) {
        char* socket = g_build_filename(g_get_user_runtime_dir(), "bus", nullptr);
        const bool exists = g_file_test(socket, G_FILE_TEST_EXISTS);
        g_free(socket);
        if (!exists) return nullptr;
    }
    return g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
}

GVariant* EmptyPixmaps() { return g_variant_new_array(G_VARIANT_TYPE("(iiay)"), nullptr, 0); }

int g_itemsShown = 0;  // items of this process on the bus
unsigned g_itemSerial = 0;

}  // namespace

bool StatusNotifierItem::Available() {
    if (g_itemsShown > 0) return false;
    GDBusConnection* bus = SessionBus();
    if (!bus) return false;
    GVariant* reply = g_dbus_connection_call_sync(
        bus, kWatcherName, kWatcherPath, "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", kWatcherInterface, "IsStatusNotifierHostRegistered"),
        G_VARIANT_TYPE("(v)"), G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, nullptr, nullptr);
    bool hostRegistered = false;
    if (reply) {
        GVariant* value = nullptr;
        g_variant_get(reply, "(v)", &value);
        hostRegistered =
            g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
        g_variant_unref(value);
        g_variant_unref(reply);
    }
    g_object_unref(bus);
    return hostRegistered;
}

StatusNotifierItem::StatusNotifierItem(GtkHost& host, const TrayIcon& icon)
    : m_host(host), m_icon(icon) {
    ++g_itemsShown;
    LoadPicture();
    m_bus = SessionBus();
    if (!m_bus) return;
    m_calls = g_cancellable_new();
    m_busName = "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-" +
                std::to_string(++g_itemSerial);

    m_menu = std::make_unique<DbusMenuExport>(kMenuPath, [this](unsigned id) {
        if (auto command = m_icon.menuCommand) m_host.Deliver([command, id] { command(id); });
    });
    m_menu->SetItems(m_icon.menu);

    static const GDBusInterfaceVTable vtable{OnMethodCall, OnGetProperty, nullptr, {}};
    m_objectId = g_dbus_connection_register_object(m_bus, kItemPath, ItemInterfaceInfo(), &vtable,
                                                   this, nullptr, nullptr);
    // The name first, then the watcher: the item registers once it has both.
    m_nameId =
        g_bus_own_name_on_connection(m_bus, m_busName.c_str(), G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE,
                                     OnNameAcquired, OnNameLost, this, nullptr);
    m_watchId = g_bus_watch_name_on_connection(m_bus, kWatcherName, G_BUS_NAME_WATCHER_FLAGS_NONE,
                                               OnWatcherAppeared, OnWatcherVanished, this, nullptr);
}

StatusNotifierItem::~StatusNotifierItem() {
    --g_itemsShown;
    if (m_calls) {
        g_cancellable_cancel(m_calls);
        g_object_unref(m_calls);
    }
    if (m_watchId) g_bus_unwatch_name(m_watchId);
    // Giving up the name is what takes the item off the panel: the watcher follows names.
    if (m_nameId) g_bus_unown_name(m_nameId);
    if (m_objectId) g_dbus_connection_unregister_object(m_bus, m_objectId);
    m_menu.reset();
    if (m_bus) {
        g_dbus_connection_flush(m_bus, nullptr, nullptr, nullptr);
        g_object_unref(m_bus);
    }
    g_variant_unref(m_pixmaps);
}

void StatusNotifierItem::Update(const TrayIcon& icon) {
    m_icon = icon;
    LoadPicture();
    if (m_menu) m_menu->SetItems(m_icon.menu);
    Emit("NewTitle");
    Emit("NewIcon");
    Emit("NewToolTip");
}

// The picture goes over the bus as pixels, so that any panel can show it; once the program is
// installed, its name in the icon theme goes along, which panels prefer at their own sizes.
void StatusNotifierItem::LoadPicture() {
    if (m_pixmaps) g_variant_unref(m_pixmaps);
    m_pixmaps = nullptr;
    m_iconName.clear();
    GdkPixbuf* picture = m_icon.iconPath.empty() ? nullptr : DecodePictureFile(m_icon.iconPath);
    if (picture) {
        const int width = gdk_pixbuf_get_width(picture);
        const int height = gdk_pixbuf_get_height(picture);
        const std::vector<std::uint8_t> argb =
            ArgbPixmap(gdk_pixbuf_read_pixels(picture), width, height,
                       gdk_pixbuf_get_rowstride(picture), gdk_pixbuf_get_n_channels(picture));
        GVariantBuilder pixmaps;
        g_variant_builder_init(&pixmaps, G_VARIANT_TYPE("a(iiay)"));
        if (!argb.empty() && gdk_pixbuf_get_bits_per_sample(picture) == 8) {
            g_variant_builder_add(
                &pixmaps, "(ii@ay)", width, height,
                g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, argb.data(), argb.size(), 1));
        }
        m_pixmaps = g_variant_ref_sink(g_variant_builder_end(&pixmaps));
        g_object_unref(picture);
    } else {
        m_pixmaps = g_variant_ref_sink(EmptyPixmaps());
    }
    GtkIconTheme* theme = gtk_icon_theme_get_default();
    if (!m_icon.appName.empty() && theme &&
        gtk_icon_theme_has_icon(theme, m_icon.appName.c_str())) {
        m_iconName = m_icon.appName;
    } else if (g_variant_n_children(m_pixmaps) == 0) {
        m_iconName = kFallbackIconName;
    }
}

void StatusNotifierItem::Register() {
    if (!m_nameOwned || m_watcher.empty() || m_registeredWith == m_watcher) return;
    m_registeredWith = m_watcher;
    g_dbus_connection_call(m_bus, m_watcher.c_str(), kWatcherPath, kWatcherInterface,
                           "RegisterStatusNotifierItem", g_variant_new("(s)", m_busName.c_str()),
                           nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, m_calls,
                           OnRegistered, this);
}

void StatusNotifierItem::Emit(const char* signal, GVariant* parameters) {
    if (!m_objectId) return;
    g_dbus_connection_emit_signal(m_bus, nullptr, kItemPath, kItemInterface, signal, parameters,
                                  nullptr);
}

GVariant* StatusNotifierItem::Property(const char* name) const {
    auto is = [name](const char* property) { return std::strcmp(name, property) == 0; };
    if (is("Category")) return g_variant_new_string("ApplicationStatus");
    if (is("Id")) {
        const char* program = g_get_prgname();
        return g_variant_new_string(!m_icon.appName.empty() ? m_icon.appName.c_str()
                                    : program               ? program
                                                            : "");
    }
    if (is("Title")) return g_variant_new_string(m_icon.tip.c_str());
    if (is("Status")) return g_variant_new_string("Active");
    if (is("WindowId")) return g_variant_new_int32(0);
    if (is("IconName")) return g_variant_new_string(m_iconName.c_str());
    if (is("IconPixmap")) return g_variant_ref(m_pixmaps);
    if (is("OverlayIconName") || is("AttentionIconName") || is("AttentionMovieName")) {
        return g_variant_new_string("");
    }
    if (is("OverlayIconPixmap") || is("AttentionIconPixmap")) return EmptyPixmaps();
    if (is("ToolTip")) {
        return g_variant_new("(s@a(iiay)ss)", m_iconName.c_str(), m_pixmaps, m_icon.tip.c_str(),
                             "");
    }
    if (is("ItemIsMenu")) return g_variant_new_boolean(FALSE);
    if (is("Menu")) return g_variant_new_object_path(kMenuPath);
    return nullptr;
}

void StatusNotifierItem::OnMethodCall(GDBusConnection*, const char*, const char*, const char*,
                                      const char* method, GVariant* parameters,
                                      GDBusMethodInvocation* invocation, gpointer data) {
    auto* self = static_cast<StatusNotifierItem*>(data);
    // Answered first: the panel must not wait for the program's reaction (a menu runs modally).
    g_dbus_method_invocation_return_value(invocation, nullptr);
    if (std::strcmp(method, "Activate") == 0) {
        if (auto click = self->m_icon.leftClick) self->m_host.Deliver(click);
    } else if (std::strcmp(method, "ContextMenu") == 0) {
        gint32 x = 0;
        gint32 y = 0;
        g_variant_get(parameters, "(ii)", &x, &y);
        if (auto click = self->m_icon.rightClick) {
            self->m_host.Deliver([click, at = Point{x, y}] { click(at); });
        }
    }
    // SecondaryActivate (a middle click) and Scroll mean nothing to the program.
}

GVariant* StatusNotifierItem::OnGetProperty(GDBusConnection*, const char*, const char*, const char*,
                                            const char* property, GError** error, gpointer data) {
    GVariant* value = static_cast<StatusNotifierItem*>(data)->Property(property);
    if (!value) {
        g_set_error(error, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_PROPERTY, "No property %s", property);
    }
    return value;
}

void StatusNotifierItem::OnNameAcquired(GDBusConnection*, const char*, gpointer data) {
    auto* self = static_cast<StatusNotifierItem*>(data);
    self->m_nameOwned = true;
    self->Register();
}

void StatusNotifierItem::OnNameLost(GDBusConnection*, const char*, gpointer data) {
    auto* self = static_cast<StatusNotifierItem*>(data);
    self->m_nameOwned = false;
    self->m_registeredWith.clear();
}

void StatusNotifierItem::OnWatcherAppeared(GDBusConnection*, const char*, const char* owner,
                                           gpointer data) {
    auto* self = static_cast<StatusNotifierItem*>(data);
    self->m_watcher = owner;
    self->Register();
}

void StatusNotifierItem::OnWatcherVanished(GDBusConnection*, const char*, gpointer data) {
    auto* self = static_cast<StatusNotifierItem*>(data);
    self->m_watcher.clear();
    self->m_registeredWith.clear();
}

void StatusNotifierItem::OnRegistered(GObject* bus, GAsyncResult* result, gpointer data) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, &error);
    if (reply) g_variant_unref(reply);
    if (error) {
        // A refusal leaves the item waiting for the next watcher; nothing else is told.
        if (!g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED)) {
            static_cast<StatusNotifierItem*>(data)->m_registeredWith.clear();
        }
        g_error_free(error);
    }
}

}  // namespace lumora
