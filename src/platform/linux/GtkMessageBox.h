#pragma once

#include <gtk/gtk.h>

#include <string>

namespace lumora {

// A modal GtkMessageDialog with the buttons and icon of a Win32 message box type.
class GtkMessageBox {
public:
    GtkMessageBox(const std::string& text, const std::string& caption, unsigned type);

    // Runs the box in its own nested loop, transient for `owner` when one is given, and returns
    // IDOK, IDCANCEL, IDYES or IDNO.
    int Run(GtkWindow* owner);

private:
    std::string m_text;
    std::string m_caption;
    unsigned m_type;
};

}  // namespace lumora
