#include "platform/linux/GtkMessageBox.h"

#include "platform/Host.h"

namespace lumora {
namespace {

constexpr unsigned kButtonMask = 0xF;
constexpr unsigned kIconMask = 0xF0;

GtkMessageType KindOf(unsigned type) {
    switch (type & kIconMask) {
        case MB_ICONEXCLAMATION:
            return GTK_MESSAGE_WARNING;
        case MB_ICONQUESTION:
            return GTK_MESSAGE_QUESTION;
        case MB_ICONINFORMATION:
            return GTK_MESSAGE_INFO;
        default:
            return GTK_MESSAGE_OTHER;
    }
}

// The themed icon shown beside the text; null for a box without an icon.
const char* IconNameOf(unsigned type) {
    switch (type & kIconMask) {
        case MB_ICONEXCLAMATION:
            return "dialog-warning";
        case MB_ICONQUESTION:
            return "dialog-question";
        case MB_ICONINFORMATION:
            return "dialog-information";
        default:
            return nullptr;
    }
}

// The button that Enter presses, as in a Win32 box: the first one (OK or Yes).
int DefaultResponseOf(unsigned type) {
    return (type & kButtonMask) == MB_YESNO ? GTK_RESPONSE_YES : GTK_RESPONSE_OK;
}

GtkButtonsType ButtonsOf(unsigned type) {
    switch (type & kButtonMask) {
        case MB_YESNO:
            return GTK_BUTTONS_YES_NO;
        case MB_OKCANCEL:
            return GTK_BUTTONS_OK_CANCEL;
        default:
            return GTK_BUTTONS_OK;
    }
}

// Closing the box picks the answer that changes nothing: No for a question, Cancel where there
// is one, otherwise OK (the only button).
int ClosedAnswer(unsigned type) {
    switch (type & kButtonMask) {
        case MB_YESNO:
            return IDNO;
        case MB_OKCANCEL:
            return IDCANCEL;
        default:
            return IDOK;
    }
}

}  // namespace

GtkMessageBox::GtkMessageBox(const std::string& text, const std::string& caption, unsigned type)
    : m_text(text), m_caption(caption), m_type(type) {}

int GtkMessageBox::Run(GtkWindow* owner) {
    // The text goes in through "%s" so that a "%" in it is shown, not interpreted.
    GtkWidget* dialog = gtk_message_dialog_new(
        owner, GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT), KindOf(m_type),
        ButtonsOf(m_type), "%s", m_text.c_str());
    // GTK 3 message dialogs show no icon unless one is set; the setter is deprecated but the
    // only way to keep the warning and question icons the callers ask for.
    if (const char* icon = IconNameOf(m_type)) {
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* image = gtk_image_new_from_icon_name(icon, GTK_ICON_SIZE_DIALOG);
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), image);
        gtk_widget_show(image);
        G_GNUC_END_IGNORE_DEPRECATIONS
    }
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), DefaultResponseOf(m_type));
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
            return ClosedAnswer(m_type);
    }
}

}  // namespace lumora
