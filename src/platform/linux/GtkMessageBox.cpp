#include "platform/linux/GtkMessageBox.h"

#include "platform/Host.h"

namespace lumora {
namespace {

GtkMessageType KindOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Warning:
            return GTK_MESSAGE_WARNING;
        case BoxIcon::Question:
            return GTK_MESSAGE_QUESTION;
        case BoxIcon::Information:
            return GTK_MESSAGE_INFO;
        case BoxIcon::None:
            break;
    }
    return GTK_MESSAGE_OTHER;
}

// The themed icon shown beside the text; null for a box without an icon.
const char* IconNameOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Warning:
            return "dialog-warning";
        case BoxIcon::Question:
            return "dialog-question";
        case BoxIcon::Information:
            return "dialog-information";
        case BoxIcon::None:
            break;
    }
    return nullptr;
}

// The button that Enter presses, as in the program's other boxes: the first one (OK or Yes).
int DefaultResponseOf(BoxButtons buttons) {
    return buttons == BoxButtons::YesNo ? GTK_RESPONSE_YES : GTK_RESPONSE_OK;
}

GtkButtonsType ButtonsOf(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::YesNo:
            return GTK_BUTTONS_YES_NO;
        case BoxButtons::OkCancel:
            return GTK_BUTTONS_OK_CANCEL;
        case BoxButtons::Ok:
            break;
    }
    return GTK_BUTTONS_OK;
}

}  // namespace

GtkMessageBox::GtkMessageBox(const std::string& text, const std::string& caption,
                             MessageBoxStyle style)
    : m_text(text), m_caption(caption), m_style(style) {}

int GtkMessageBox::Run(GtkWindow* owner) {
    // The text goes in through "%s" so that a "%" in it is shown, not interpreted.
    GtkWidget* dialog = gtk_message_dialog_new(
        owner, GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
        KindOf(m_style.icon), ButtonsOf(m_style.buttons), "%s", m_text.c_str());
    // GTK 3 message dialogs show no icon unless one is set; the setter is deprecated but the
    // only way to keep the warning and question icons the callers ask for.
    if (const char* icon = IconNameOf(m_style.icon)) {
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* image = gtk_image_new_from_icon_name(icon, GTK_ICON_SIZE_DIALOG);
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), image);
        gtk_widget_show(image);
        G_GNUC_END_IGNORE_DEPRECATIONS
    }
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), DefaultResponseOf(m_style.buttons));
    gtk_window_set_title(GTK_WINDOW(dialog), m_caption.c_str());
    gtk_window_set_position(GTK_WINDOW(dialog),
                            owner ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    // Unowned boxes appear while the program has no visible window (at start-up, or hidden in
    // the notification area); keep them above so they are not lost behind other windows.
    if (!owner) gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);

    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    switch (response) {
        case GTK_RESPONSE_OK:
            return IDOK;
        case GTK_RESPONSE_CANCEL:
            return IDCANCEL;
        case GTK_RESPONSE_YES:
            return IDYES;
        case GTK_RESPONSE_NO:
            return IDNO;
        default:
            return ClosedBoxAnswer(m_style.buttons);
    }
}

}  // namespace lumora
