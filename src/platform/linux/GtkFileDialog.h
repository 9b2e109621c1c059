#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace lumora {

// The modal file-open dialog: one existing file, with the type list of a filter string
// ("Name (*.a)|*.a|All Files (*.*)|*.*||"), the first type selected.
class GtkFileDialog {
public:
    explicit GtkFileDialog(const std::string& filter);

    // The chosen file's full path; empty when cancelled or when the choice has no local path.
    std::optional<std::string> Run(GtkWindow* owner);

private:
    std::string m_filter;
};

}  // namespace lumora
