#include "platform/linux/GtkFileDialog.h"

#include "base/FileFilter.h"
#include "platform/linux/GtkChooserAnswer.h"

namespace lumora {

GtkFileDialog::GtkFileDialog(std::vector<FileFilter> filters) : m_filters(std::move(filters)) {}

std::optional<std::string> GtkFileDialog::Run(GtkWindow* owner) {
    // The button labels are GTK's own, so they come in the desktop's language.
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        g_dgettext("gtk30", "Open"), owner, GTK_FILE_CHOOSER_ACTION_OPEN,
        g_dgettext("gtk30", "_Cancel"), GTK_RESPONSE_CANCEL, g_dgettext("gtk30", "_Open"),
        GTK_RESPONSE_ACCEPT, nullptr);
    gtk_file_chooser_set_local_only(GTK_FILE_CHOOSER(dialog), TRUE);
    // It opens in the current directory, as the program's users know it, not in the recent
    // files.
    gchar* current = g_get_current_dir();
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), current);
    g_free(current);
    for (const FileFilter& entry : m_filters) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, entry.name.c_str());
        for (const std::string& pattern : entry.patterns)
            gtk_file_filter_add_pattern(filter, CaseInsensitiveGlob(pattern).c_str());
        gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(dialog), filter);  // the first is selected
    }
    return RunChooser(GTK_DIALOG(dialog));
}

}  // namespace lumora
