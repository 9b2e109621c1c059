#include "wnd/DC.h"

#include <pango/pangocairo.h>

#include <memory>

namespace lumora {

namespace {

struct LayoutDeleter {
    void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

LayoutPtr MakeLayout(cairo_t* cr, const Font& font, const std::string& text) {
    LayoutPtr layout(pango_cairo_create_layout(cr));
    const FontSpec spec = MapFont(font);
    PangoFontDescription* desc = pango_font_description_from_string(spec.family.c_str());
    pango_font_description_set_absolute_size(desc, spec.pixelSize * PANGO_SCALE);
    pango_font_description_set_weight(desc, spec.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, spec.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout.get(), desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout.get(), text.c_str(), static_cast<int>(text.size()));
    return layout;
}

// "&" marks a mnemonic in captions; "&&" is a literal ampersand.
std::string StripPrefix(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

}  // namespace

DC::DC(cairo_t* cr, const Font& font) : m_cr(cr), m_font(font) { cairo_save(m_cr); }

DC::~DC() { cairo_restore(m_cr); }

ColorRef DC::SetTextColor(ColorRef color) {
    const ColorRef old = m_textColor;
    m_textColor = color;
    return old;
}

ColorRef DC::SetBkColor(ColorRef color) {
    const ColorRef old = m_bkColor;
    m_bkColor = color;
    return old;
}

int DC::SetBkMode(int mode) {
    const int old = m_bkMode;
    m_bkMode = mode;
    return old;
}

Font DC::SelectFont(const Font& font) {
    Font old = m_font;
    m_font = font;
    return old;
}

void DC::SetSource(ColorRef c) {
    cairo_set_source_rgb(m_cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void DC::FillSolidRect(const Rect& rect, ColorRef color) {
    if (rect.IsEmpty()) return;
    cairo_save(m_cr);
    cairo_set_operator(m_cr, CAIRO_OPERATOR_SOURCE);
    SetSource(color);
    cairo_rectangle(m_cr, rect.left, rect.top, rect.Width(), rect.Height());
    cairo_fill(m_cr);
    cairo_restore(m_cr);
}

void DC::FillRect(const Rect& rect, const Brush& brush) {
    switch (brush.kind) {
        case Brush::Hollow:
            return;
        case Brush::Default:
            FillSolidRect(rect, kFaceColor);
            return;
        case Brush::Solid:
            FillSolidRect(rect, brush.color);
            return;
    }
}

void DC::FrameRect(const Rect& rect, ColorRef color) {
    if (rect.IsEmpty()) return;
    cairo_save(m_cr);
    SetSource(color);
    cairo_set_line_width(m_cr, 1.0);
    cairo_rectangle(m_cr, rect.left + 0.5, rect.top + 0.5, rect.Width() - 1, rect.Height() - 1);
    cairo_stroke(m_cr);
    cairo_restore(m_cr);
}

void DC::FillEllipse(const Rect& rect, ColorRef color) {
    if (rect.IsEmpty()) return;
    cairo_save(m_cr);
    SetSource(color);
    cairo_translate(m_cr, rect.left + rect.Width() / 2.0, rect.top + rect.Height() / 2.0);
    cairo_scale(m_cr, rect.Width() / 2.0, rect.Height() / 2.0);
    cairo_arc(m_cr, 0, 0, 1, 0, 2 * G_PI);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
}

void DC::FrameEllipse(const Rect& rect, ColorRef color) {
    if (rect.IsEmpty()) return;
    cairo_save(m_cr);
    SetSource(color);
    cairo_set_line_width(m_cr, 1.0);
    cairo_translate(m_cr, rect.left + rect.Width() / 2.0, rect.top + rect.Height() / 2.0);
    cairo_save(m_cr);
    cairo_scale(m_cr, (rect.Width() - 1) / 2.0, (rect.Height() - 1) / 2.0);
    cairo_arc(m_cr, 0, 0, 1, 0, 2 * G_PI);
    cairo_restore(m_cr);
    cairo_stroke(m_cr);
    cairo_restore(m_cr);
}

void DC::FillPolygon(std::initializer_list<Point> points, ColorRef color) {
    if (points.size() < 3) return;
    cairo_save(m_cr);
    SetSource(color);
    bool first = true;
    for (const Point& p : points) {
        if (first)
            cairo_move_to(m_cr, p.x, p.y);
        else
            cairo_line_to(m_cr, p.x, p.y);
        first = false;
    }
    cairo_close_path(m_cr);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
}

void DC::DrawImage(const BgraImage& image, const Rect& dest) {
    if (image.Empty() || dest.IsEmpty()) return;
    if (image.pixels.size() < static_cast<std::size_t>(image.width) * image.height * 4) return;
    const cairo_format_t format = image.hasAlpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24;
    // cairo reads the bytes only during this call; the image stays untouched.
    auto* data = const_cast<unsigned char*>(image.pixels.data());
    cairo_surface_t* src = cairo_image_surface_create_for_data(data, format, image.width,
                                                               image.height, image.width * 4);
    cairo_save(m_cr);
    cairo_rectangle(m_cr, dest.left, dest.top, dest.Width(), dest.Height());
    cairo_clip(m_cr);
    cairo_translate(m_cr, dest.left, dest.top);
    cairo_scale(m_cr, static_cast<double>(dest.Width()) / image.width,
                static_cast<double>(dest.Height()) / image.height);
    cairo_set_source_surface(m_cr, src, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(m_cr), CAIRO_EXTEND_PAD);
    cairo_set_operator(m_cr, image.hasAlpha ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_SOURCE);
    cairo_paint(m_cr);
    cairo_restore(m_cr);
    cairo_surface_destroy(src);
}

void DC::ExtTextOut(int x, int y, UINT options, const Rect* rect, const std::string& text) {
    cairo_save(m_cr);
    if (rect != nullptr && (options & ETO_CLIPPED) != 0) {
        cairo_rectangle(m_cr, rect->left, rect->top, rect->Width(), rect->Height());
        cairo_clip(m_cr);
    }
    if (rect != nullptr && (options & ETO_OPAQUE) != 0) FillSolidRect(*rect, m_bkColor);
    LayoutPtr layout = MakeLayout(m_cr, m_font, text);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(layout.get(), &w, &h);
    if (m_bkMode == OPAQUE) FillSolidRect(Rect::FromXywh(x, y, w, h), m_bkColor);
    SetSource(m_textColor);
    cairo_move_to(m_cr, x, y);
    pango_cairo_show_layout(m_cr, layout.get());
    cairo_restore(m_cr);
}

int DC::DrawText(const std::string& raw, Rect& rect, UINT format) {
    const std::string text = (format & DT_NOPREFIX) != 0 ? raw : StripPrefix(raw);
    LayoutPtr layout = MakeLayout(m_cr, m_font, text);
    if ((format & DT_SINGLELINE) == 0 && (format & DT_WORDBREAK) != 0) {
        pango_layout_set_width(layout.get(), rect.Width() * PANGO_SCALE);
        pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    } else if ((format & DT_SINGLELINE) != 0) {
        pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    }
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(layout.get(), &w, &h);
    if ((format & DT_CALCRECT) != 0) {
        rect.right = rect.left + w;
        rect.bottom = rect.top + h;
        return h;
    }
    int x = rect.left;
    if ((format & DT_CENTER) != 0)
        x = rect.left + (rect.Width() - w) / 2;
    else if ((format & DT_RIGHT) != 0)
        x = rect.right - w;
    int y = rect.top;
    if ((format & DT_SINGLELINE) != 0) {
        if ((format & DT_VCENTER) != 0)
            y = rect.top + (rect.Height() - h) / 2;
        else if ((format & DT_BOTTOM) != 0)
            y = rect.bottom - h;
    }
    cairo_save(m_cr);
    if ((format & DT_NOCLIP) == 0) {
        cairo_rectangle(m_cr, rect.left, rect.top, rect.Width(), rect.Height());
        cairo_clip(m_cr);
    }
    if (m_bkMode == OPAQUE) FillSolidRect(Rect::FromXywh(x, y, w, h), m_bkColor);
    SetSource(m_textColor);
    cairo_move_to(m_cr, x, y);
    pango_cairo_show_layout(m_cr, layout.get());
    cairo_restore(m_cr);
    return h;
}

Size DC::GetTextExtent(const std::string& text) {
    LayoutPtr layout = MakeLayout(m_cr, m_font, text);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(layout.get(), &w, &h);
    return {w, h};
}

}  // namespace lumora
