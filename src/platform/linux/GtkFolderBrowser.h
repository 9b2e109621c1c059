#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace lumora {

// The modal folder browser with a title of the caller's.
class GtkFolderBrowser {
public:
    explicit GtkFolderBrowser(const std::string& title);

    // The chosen folder's path; empty when cancelled or when the folder has no local path.
    std::optional<std::string> Run(GtkWindow* owner);

private:
    std::string m_title;
};

}  // namespace lumora
