#pragma once

#include <gtk/gtk.h>

#include "platform/Host.h"

namespace lumora {

// A native text entry over a window's rectangle, so that typing, selection and input methods
// are the toolkit's: a GtkEntry for a single line, a GtkTextView (without scroll bars) for a
// multi-line edit. The look (font, colours, inset) comes from a style sheet of its own.
class GtkNativeEdit final : public NativeEdit {
public:
    // `canvas` is the surface's own part, which takes the keyboard back on Blur.
    GtkNativeEdit(GtkLayout* layer, GtkWidget* canvas, const EditOptions& options);
    ~GtkNativeEdit() override;
    GtkNativeEdit(const GtkNativeEdit&) = delete;
    GtkNativeEdit& operator=(const GtkNativeEdit&) = delete;

    void SetRect(const Rect& surfaceRect) override;
    void SetVisible(bool visible) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void Focus() override;
    void Blur() override;
    bool HasFocus() const override;
    void SetFormattingRect(const Rect& rect) override;
    void SetFont(const FontSpec& font) override;
    void SetColors(ColorRef text, std::optional<ColorRef> background) override;

private:
    static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
    static gboolean OnFocusIn(GtkWidget*, GdkEvent*, gpointer self);
    static gboolean OnFocusOut(GtkWidget*, GdkEvent*, gpointer self);
    static void OnChanged(gpointer, gpointer self);

    void UpdateStyle();

    EditOptions m_options;
    GtkLayout* m_layer;
    GtkWidget* m_canvas;
    GtkWidget* m_outer = nullptr;  // what sits in the layer: the entry, or the text view's scroller
    GtkWidget* m_input = nullptr;  // the widget that takes the keyboard
    GtkTextBuffer* m_buffer = nullptr;  // multi-line only
    GtkCssProvider* m_css = nullptr;
    Rect m_rect;
    Rect m_formatting;  // empty: the whole edit
    FontSpec m_font;
    ColorRef m_textColor = 0;
    std::optional<ColorRef> m_background = 0xFFFFFF;
    bool m_settingText = false;
};

}  // namespace lumora
