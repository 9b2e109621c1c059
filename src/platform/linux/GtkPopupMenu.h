#pragma once

#include <gtk/gtk.h>

#include <vector>

#include "platform/Host.h"

namespace lumora {

// A popup menu of string items, run until the user picks one or dismisses it.
class GtkPopupMenu {
public:
    explicit GtkPopupMenu(const std::vector<MenuItem>& items);

    // Opens the menu with its top left corner at `screen` and answers the chosen id, 0 for none.
    unsigned Run(Point screen);

private:
    static void OnActivate(GtkMenuItem* item, gpointer self);
    static void OnDeactivate(GtkMenuShell*, gpointer loop);

    std::vector<MenuItem> m_items;
    unsigned m_chosen = 0;
};

}  // namespace lumora
