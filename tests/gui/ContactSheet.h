#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <string>

#include "base/Geometry.h"

namespace lumora {

// A picture made of labelled crops of other pictures, laid out left to right in rows: what a
// person looks at to judge how the windows draw.
class ContactSheet {
public:
    ContactSheet(int width, int height)
        : m_width(width),
          m_surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
          m_cr(cairo_create(m_surface)) {
        cairo_set_source_rgb(m_cr, 0.86, 0.88, 0.91);
        cairo_paint(m_cr);
    }
    ~ContactSheet() {
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
    }
    ContactSheet(const ContactSheet&) = delete;
    ContactSheet& operator=(const ContactSheet&) = delete;

    // Starts a new row under a heading.
    void Section(const std::string& title) {
        NewRow();
        Text(title, kMargin, m_y, 15, true);
        m_y += 24;
    }

    // Places `area` of `source`, scaled by `scale`, with `label` under it.
    void Place(cairo_surface_t* source, const Rect& area, int scale, const std::string& label) {
        int w = area.Width() * scale;
        int h = area.Height() * scale;
        if (m_x + w > m_width - kMargin && m_x > kMargin) NewRow();
        cairo_save(m_cr);
        cairo_rectangle(m_cr, m_x, m_y, w, h);
        cairo_clip(m_cr);
        cairo_translate(m_cr, m_x, m_y);
        cairo_scale(m_cr, scale, scale);
        cairo_set_source_surface(m_cr, source, -area.left, -area.top);
        cairo_pattern_set_filter(cairo_get_source(m_cr), CAIRO_FILTER_NEAREST);
        cairo_paint(m_cr);
        cairo_restore(m_cr);
        Text(label, m_x, m_y + h + 3, 12, false);
        m_x += std::max(w, 90) + kMargin;
        m_rowHeight = std::max(m_rowHeight, h + 22);
    }

    // Writes the part of the sheet in use.
    bool Save(const std::string& path) {
        int height = m_y + m_rowHeight + kMargin;
        cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_width, height);
        cairo_t* cr = cairo_create(out);
        cairo_set_source_surface(cr, m_surface, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        bool ok = cairo_surface_write_to_png(out, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(out);
        return ok;
    }

private:
    static constexpr int kMargin = 16;

    void NewRow() {
        m_y += m_rowHeight + (m_rowHeight > 0 ? 10 : 0);
        m_x = kMargin;
        m_rowHeight = 0;
    }

    void Text(const std::string& text, int x, int y, int size, bool bold) {
        PangoLayout* layout = pango_cairo_create_layout(m_cr);
        PangoFontDescription* font = pango_font_description_new();
        pango_font_description_set_family(font, "WenQuanYi Micro Hei");
        pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
        if (bold) pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
        pango_layout_set_font_description(layout, font);
        pango_font_description_free(font);
        pango_layout_set_text(layout, text.c_str(), -1);
        cairo_set_source_rgb(m_cr, 0.15, 0.17, 0.22);
        cairo_move_to(m_cr, x, y);
        pango_cairo_show_layout(m_cr, layout);
        g_object_unref(layout);
    }

    int m_width;
    int m_x = kMargin;
    int m_y = kMargin;
    int m_rowHeight = 0;
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

}  // namespace lumora
