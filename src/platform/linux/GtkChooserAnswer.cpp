#include "platform/linux/GtkChooserAnswer.h"

namespace lumora {

std::optional<std::string> RunChooser(GtkDialog* chooser) {
    gtk_dialog_set_default_response(chooser, GTK_RESPONSE_ACCEPT);
    gtk_window_set_modal(GTK_WINDOW(chooser), TRUE);
    std::optional<std::string> answer;
    if (gtk_dialog_run(chooser) == GTK_RESPONSE_ACCEPT) {
        if (gchar* path = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser))) {
            answer = path;
            g_free(path);
        }
    }
    gtk_widget_destroy(GTK_WIDGET(chooser));
    return answer;
}

}  // namespace lumora
