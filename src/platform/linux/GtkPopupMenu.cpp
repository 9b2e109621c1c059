#include "platform/linux/GtkPopupMenu.h"

namespace lumora {
namespace {
constexpr const char* kItemId = "lumora-item-id";
}

GtkPopupMenu::GtkPopupMenu(const std::vector<MenuItem>& items) : m_items(items) {}

unsigned GtkPopupMenu::Run(Point screen) {
    m_chosen = 0;
    if (m_items.empty()) return 0;
    GtkWidget* menu = gtk_menu_new();
    g_object_ref_sink(menu);
    for (const MenuItem& entry : m_items) {
        GtkWidget* item = gtk_menu_item_new_with_label(entry.text.c_str());
        g_object_set_data(G_OBJECT(item), kItemId, GUINT_TO_POINTER(entry.id));
        g_signal_connect(item, "activate", G_CALLBACK(OnActivate), this);
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
    }
    gtk_widget_show_all(menu);

    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    // The menu deactivates before the chosen item activates, both within one event; the loop
    // ends after that event, so the choice is known when it returns.
    g_signal_connect(menu, "deactivate", G_CALLBACK(OnDeactivate), loop);
    // Placed against the root window: the owner may be hidden (the menu of the notification
    // icon opens while the main window is away).
    GdkWindow* root = gdk_get_default_root_window();
    const GdkRectangle at{screen.x, screen.y, 1, 1};
    gtk_menu_popup_at_rect(GTK_MENU(menu), root, &at, GDK_GRAVITY_NORTH_WEST,
                           GDK_GRAVITY_NORTH_WEST, nullptr);
    if (gtk_widget_get_visible(menu)) g_main_loop_run(loop);
    g_main_loop_unref(loop);
    gtk_widget_destroy(menu);
    g_object_unref(menu);
    return m_chosen;
}

void GtkPopupMenu::OnActivate(GtkMenuItem* item, gpointer data) {
    static_cast<GtkPopupMenu*>(data)->m_chosen =
        GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), kItemId));
}

void GtkPopupMenu::OnDeactivate(GtkMenuShell*, gpointer loop) {
    g_main_loop_quit(static_cast<GMainLoop*>(loop));
}

}  // namespace lumora
