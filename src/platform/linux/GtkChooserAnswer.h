#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace lumora {

// Runs a file chooser dialog modally, destroys it and answers the chosen local path; empty
// when the user cancelled or the choice has no path in the file system.
std::optional<std::string> RunChooser(GtkDialog* chooser);

}  // namespace lumora
