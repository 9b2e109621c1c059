#pragma once

#include <gtk/gtk.h>

#include <string>

#include "platform/Host.h"

namespace lumora {

// A modal GtkMessageDialog with the buttons and icon of a message box style.
class GtkMessageBox {
public:
    GtkMessageBox(const std::string& text, const std::string& caption, MessageBoxStyle style);

    // Runs the box in its own nested loop, transient for `owner` when one is given, and returns
    // IDOK, IDCANCEL, IDYES or IDNO.
    int Run(GtkWindow* owner);

private:
    std::string m_text;
    std::string m_caption;
    MessageBoxStyle m_style;
};

}  // namespace lumora
