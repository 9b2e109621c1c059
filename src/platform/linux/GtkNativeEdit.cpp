#include "platform/linux/GtkNativeEdit.h"

#include <cstdio>

#include "platform/linux/GtkKeys.h"

namespace lumora {
namespace {

std::string CssColor(ColorRef c) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

// Font family names go into the style sheet quoted; quotes and backslashes in them are dropped.
std::string CssFamily(const std::string& family) {
    std::string quoted = "\"";
    for (char c : family)
        if (c != '"' && c != '\\') quoted += c;
    return quoted + "\"";
}

}  // namespace

GtkNativeEdit::GtkNativeEdit(GtkLayout* layer, GtkWidget* canvas, const EditOptions& options)
    : m_options(options), m_layer(layer), m_canvas(canvas) {
    if (options.multiLine) {
        GtkWidget* view = gtk_text_view_new();
        gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view),
                                    options.autoHScroll ? GTK_WRAP_NONE : GTK_WRAP_WORD_CHAR);
        gtk_text_view_set_editable(GTK_TEXT_VIEW(view), !options.readOnly);
        m_buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(view));
        g_signal_connect(m_buffer, "changed", G_CALLBACK(OnChanged), this);
        // The scroller keeps the caret in view without showing any bar, as an edit box does.
        m_outer = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(m_outer), GTK_POLICY_EXTERNAL,
                                       GTK_POLICY_EXTERNAL);
        gtk_container_add(GTK_CONTAINER(m_outer), view);
        m_input = view;
    } else {
        m_outer = m_input = gtk_entry_new();
        gtk_entry_set_has_frame(GTK_ENTRY(m_input), FALSE);
        gtk_entry_set_width_chars(GTK_ENTRY(m_input), 0);
        gtk_editable_set_editable(GTK_EDITABLE(m_input), !options.readOnly);
        g_signal_connect(m_input, "changed", G_CALLBACK(OnChanged), this);
    }
    g_object_ref(m_outer);
    g_signal_connect(m_input, "key-press-event", G_CALLBACK(OnKey), this);
    g_signal_connect(m_input, "key-release-event", G_CALLBACK(OnKey), this);
    g_signal_connect(m_input, "focus-in-event", G_CALLBACK(OnFocusIn), this);
    g_signal_connect(m_input, "focus-out-event", G_CALLBACK(OnFocusOut), this);

    m_css = gtk_css_provider_new();
    gtk_style_context_add_provider(gtk_widget_get_style_context(m_input), GTK_STYLE_PROVIDER(m_css),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    if (m_outer != m_input)
        gtk_style_context_add_provider(gtk_widget_get_style_context(m_outer),
                                       GTK_STYLE_PROVIDER(m_css),
                                       GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    UpdateStyle();
    gtk_layout_put(m_layer, m_outer, 0, 0);
    gtk_widget_show_all(m_outer);
}

GtkNativeEdit::~GtkNativeEdit() {
    g_signal_handlers_disconnect_by_data(m_input, this);
    if (m_buffer) g_signal_handlers_disconnect_by_data(m_buffer, this);
    // The surface may have been destroyed first, taking the widget with it; the reference
    // keeps the object valid until here either way.
    gtk_widget_destroy(m_outer);
    g_object_unref(m_outer);
    g_object_unref(m_css);
}

void GtkNativeEdit::SetRect(const Rect& surfaceRect) {
    m_rect = surfaceRect;
    gtk_layout_move(m_layer, m_outer, surfaceRect.left, surfaceRect.top);
    gtk_widget_set_size_request(m_outer, std::max(1, surfaceRect.Width()),
                                std::max(1, surfaceRect.Height()));
    UpdateStyle();
}

void GtkNativeEdit::SetVisible(bool visible) { gtk_widget_set_visible(m_outer, visible); }

std::string GtkNativeEdit::Text() const {
    if (!m_buffer) return gtk_entry_get_text(GTK_ENTRY(m_input));
    GtkTextIter start;
    GtkTextIter end;
    gtk_text_buffer_get_bounds(m_buffer, &start, &end);
    gchar* text = gtk_text_buffer_get_text(m_buffer, &start, &end, FALSE);
    std::string result = text;
    g_free(text);
    return result;
}

void GtkNativeEdit::SetText(const std::string& text) {
    m_settingText = true;
    if (m_buffer)
        gtk_text_buffer_set_text(m_buffer, text.c_str(), -1);
    else
        gtk_entry_set_text(GTK_ENTRY(m_input), text.c_str());
    m_settingText = false;
}

void GtkNativeEdit::Focus() { gtk_widget_grab_focus(m_input); }

void GtkNativeEdit::Blur() {
    if (gtk_widget_is_focus(m_input)) gtk_widget_grab_focus(m_canvas);
}

bool GtkNativeEdit::HasFocus() const { return gtk_widget_is_focus(m_input); }

void GtkNativeEdit::SetFormattingRect(const Rect& rect) {
    m_formatting = rect;
    UpdateStyle();
}

void GtkNativeEdit::SetFont(const FontSpec& font) {
    m_font = font;
    UpdateStyle();
}

void GtkNativeEdit::SetColors(ColorRef text, std::optional<ColorRef> background) {
    m_textColor = text;
    m_background = background;
    UpdateStyle();
}

// One style sheet carries the font, the colours and the text inset of the formatting rectangle
// (as padding), and takes away the theme's frame and minimum sizes so the edit fits its rect.
void GtkNativeEdit::UpdateStyle() {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 0;
    if (!m_formatting.IsEmpty()) {
        left = std::max(0, m_formatting.left);
        top = std::max(0, m_formatting.top);
        right = std::max(0, m_rect.Width() - m_formatting.right);
        bottom = std::max(0, m_rect.Height() - m_formatting.bottom);
    }
    if (m_buffer) {
        gtk_text_view_set_left_margin(GTK_TEXT_VIEW(m_input), left);
        gtk_text_view_set_right_margin(GTK_TEXT_VIEW(m_input), right);
        gtk_text_view_set_top_margin(GTK_TEXT_VIEW(m_input), top);
        gtk_text_view_set_bottom_margin(GTK_TEXT_VIEW(m_input), bottom);
        left = top = right = bottom = 0;
    }
    const std::string background =
        m_background ? CssColor(*m_background) : std::string("transparent");
    char padding[96];
    std::snprintf(padding, sizeof padding, "padding: %dpx %dpx %dpx %dpx;", top, right, bottom,
                  left);
    std::string css =
        "* { border: none; box-shadow: none; outline: none; min-height: 0;"
        " min-width: 0; background-image: none; margin: 0;";
    css += " background-color: " + background + "; color: " + CssColor(m_textColor) + ";";
    if (!m_font.family.empty()) css += " font-family: " + CssFamily(m_font.family) + ";";
    css += " font-size: " + std::to_string(m_font.pixelSize) + "px;";
    css += m_font.bold ? " font-weight: bold;" : " font-weight: normal;";
    css += m_font.italic ? " font-style: italic;" : " font-style: normal;";
    css += " }\nentry { ";
    css += padding;
    css += " }\n";
    gtk_css_provider_load_from_data(m_css, css.c_str(), -1, nullptr);
}

gboolean GtkNativeEdit::OnKey(GtkWidget*, GdkEventKey* event, gpointer data) {
    auto* self = static_cast<GtkNativeEdit*>(data);
    if (!self->m_options.key) return FALSE;
    return self->m_options.key(KeyInputFromEvent(*event)) ? TRUE : FALSE;
}

gboolean GtkNativeEdit::OnFocusIn(GtkWidget*, GdkEvent*, gpointer data) {
    auto* self = static_cast<GtkNativeEdit*>(data);
    if (self->m_options.focusIn) self->m_options.focusIn();
    return FALSE;
}

gboolean GtkNativeEdit::OnFocusOut(GtkWidget*, GdkEvent*, gpointer data) {
    auto* self = static_cast<GtkNativeEdit*>(data);
    if (self->m_options.focusOut) self->m_options.focusOut();
    return FALSE;
}

void GtkNativeEdit::OnChanged(gpointer, gpointer data) {
    auto* self = static_cast<GtkNativeEdit*>(data);
    if (!self->m_settingText && self->m_options.changed) self->m_options.changed();
}

}  // namespace lumora
