#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>
#include <vector>

#include "base/FileFilter.h"

namespace lumora {

// The modal file-open dialog: one existing file, with a list of file types, the first one
// selected.
class GtkFileDialog {
public:
    explicit GtkFileDialog(std::vector<FileFilter> filters);

    // The chosen file's full path; empty when cancelled or when the choice has no local path.
    std::optional<std::string> Run(GtkWindow* owner);

private:
    std::vector<FileFilter> m_filters;
};

}  // namespace lumora
