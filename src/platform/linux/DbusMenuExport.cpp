#include "platform/linux/DbusMenuExport.h"

#include <libdbusmenu-glib/menuitem.h>
#include <libdbusmenu-glib/server.h>

#include <algorithm>

namespace lumora {
namespace {
constexpr const char* kItemId = "lumora-item-id";
}

DbusMenuExport::DbusMenuExport(const char* objectPath, std::function<void(unsigned)> chosen)
    : m_chosen(std::move(chosen)) {
    m_server = dbusmenu_server_new(objectPath);
    m_root = dbusmenu_menuitem_new();
    dbusmenu_server_set_root(m_server, m_root);
}

DbusMenuExport::~DbusMenuExport() {
    // Items may outlive the server for a moment (an event in flight holds one): nothing of
    // theirs may call back into this object.
    for (GList* child = dbusmenu_menuitem_get_children(m_root); child; child = child->next) {
        g_signal_handlers_disconnect_by_data(child->data, this);
    }
    g_object_unref(m_server);
    g_object_unref(m_root);
}

void DbusMenuExport::SetItems(const std::vector<MenuItem>& items) {
    const bool same =
        items.size() == m_items.size() && std::equal(items.begin(), items.end(), m_items.begin(),
                                                     [](const MenuItem& a, const MenuItem& b) {
                                                         return a.id == b.id && a.text == b.text;
                                                     });
    if (same) return;
    m_items = items;
    while (GList* children = dbusmenu_menuitem_get_children(m_root)) {
        auto* child = static_cast<DbusmenuMenuitem*>(children->data);
        g_signal_handlers_disconnect_by_data(child, this);
        dbusmenu_menuitem_child_delete(m_root, child);
    }
    for (const MenuItem& entry : items) {
        DbusmenuMenuitem* item = dbusmenu_menuitem_new();
        dbusmenu_menuitem_property_set(item, DBUSMENU_MENUITEM_PROP_LABEL, entry.text.c_str());
        g_object_set_data(G_OBJECT(item), kItemId, GUINT_TO_POINTER(entry.id));
        g_signal_connect(item, DBUSMENU_MENUITEM_SIGNAL_ITEM_ACTIVATED, G_CALLBACK(OnActivated),
                         this);
        dbusmenu_menuitem_child_append(m_root, item);
        g_object_unref(item);  // the root holds it
    }
}

void DbusMenuExport::OnActivated(DbusmenuMenuitem* item, unsigned, void* data) {
    auto* self = static_cast<DbusMenuExport*>(data);
    const unsigned id = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), kItemId));
    if (self->m_chosen) self->m_chosen(id);
}

}  // namespace lumora
