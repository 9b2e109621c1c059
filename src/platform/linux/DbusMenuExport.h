#pragma once

#include <functional>
#include <vector>

#include "platform/Host.h"

typedef struct _DbusmenuServer DbusmenuServer;
typedef struct _DbusmenuMenuitem DbusmenuMenuitem;

namespace lumora {

// A menu of string items exported on the session bus (com.canonical.dbusmenu), for panels that
// draw a notification item's menu themselves. The chosen item is reported by its id.
class DbusMenuExport {
public:
    DbusMenuExport(const char* objectPath, std::function<void(unsigned)> chosen);
    ~DbusMenuExport();
    DbusMenuExport(const DbusMenuExport&) = delete;
    DbusMenuExport& operator=(const DbusMenuExport&) = delete;

    // Replaces the items; unchanged items leave the exported layout as it is.
    void SetItems(const std::vector<MenuItem>& items);

private:
    static void OnActivated(DbusmenuMenuitem* item, unsigned timestamp, void* self);

    std::function<void(unsigned)> m_chosen;
    std::vector<MenuItem> m_items;
    DbusmenuServer* m_server = nullptr;
    DbusmenuMenuitem* m_root = nullptr;
};

}  // namespace lumora
