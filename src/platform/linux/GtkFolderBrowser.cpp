#include "platform/linux/GtkFolderBrowser.h"

#include "platform/linux/GtkChooserAnswer.h"

namespace lumora {

GtkFolderBrowser::GtkFolderBrowser(const std::string& title) : m_title(title) {}

std::optional<std::string> GtkFolderBrowser::Run(GtkWindow* owner) {
    GtkWidget* dialog =
        gtk_file_chooser_dialog_new(m_title.c_str(), owner, GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER,
                                    g_dgettext("gtk30", "_Cancel"), GTK_RESPONSE_CANCEL,
                                    g_dgettext("gtk30", "_Select"), GTK_RESPONSE_ACCEPT, nullptr);
    gtk_file_chooser_set_local_only(GTK_FILE_CHOOSER(dialog), TRUE);
    return RunChooser(GTK_DIALOG(dialog));
}

}  // namespace lumora
