#include "res/skin/SkinIcons.h"

#include <cmath>

namespace lumora::skinart {

namespace {

void Line(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
}

void Polyline(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
    bool first = true;
    for (auto [x, y] : points) {
        if (first)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
        first = false;
    }
}

// A filled ridge line closed along the bottom of the 64-unit logo grid.
void Ridge(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
    Polyline(cr, points);
    cairo_line_to(cr, 66, 66);
    cairo_line_to(cr, -2, 66);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

// Glyphs are designed on a 16-unit grid centred on the origin.
void GlyphPath(cairo_t* cr, Glyph glyph, bool& filled) {
    filled = false;
    switch (glyph) {
        case Glyph::Close:
            Line(cr, -4.2, -4.2, 4.2, 4.2);
            Line(cr, 4.2, -4.2, -4.2, 4.2);
            break;
        case Glyph::Minimise:
            Line(cr, -5, 0.5, 5, 0.5);
            break;
        case Glyph::Menu:
            Line(cr, -5.5, -4, 5.5, -4);
            Line(cr, -5.5, 0, 5.5, 0);
            Line(cr, -5.5, 4, 5.5, 4);
            break;
        case Glyph::Globe:
            Circle(cr, 0, 0, 6.5);
            cairo_save(cr);
            cairo_scale(cr, 0.45, 1);
            Circle(cr, 0, 0, 6.5);
            cairo_restore(cr);
            Line(cr, -6.5, 0, 6.5, 0);
            break;
        case Glyph::Picture:
            RoundedRectPath(cr, -7, -5.5, 14, 11, 1.8);
            Polyline(cr, {{-4.5, 3}, {-1.5, -0.5}, {1, 2}, {2.5, 0.8}, {4.5, 3}});
            Circle(cr, 2.8, -2.4, 1.1);
            break;
        case Glyph::Play:
            Polyline(cr, {{-3.5, -5.5}, {5, 0}, {-3.5, 5.5}});
            cairo_close_path(cr);
            filled = true;
            break;
        case Glyph::Pause:
            RoundedRectPath(cr, -4.5, -5.5, 3.2, 11, 1);
            RoundedRectPath(cr, 1.3, -5.5, 3.2, 11, 1);
            filled = true;
            break;
        case Glyph::Clock:
            Circle(cr, 0, 0, 6.5);
            Polyline(cr, {{0, -3.8}, {0, 0}, {2.8, 1.8}});
            break;
        case Glyph::ChevronUp:
            Polyline(cr, {{-4, 2}, {0, -2}, {4, 2}});
            break;
        case Glyph::ChevronDown:
            Polyline(cr, {{-4, -2}, {0, 2}, {4, -2}});
            break;
        case Glyph::Plus:
            Line(cr, -5, 0, 5, 0);
            Line(cr, 0, -5, 0, 5);
            break;
        case Glyph::Magnifier:
            Circle(cr, -1.2, -1.2, 4.8);
            Line(cr, 2.4, 2.4, 6, 6);
            break;
        case Glyph::Star:
            for (int i = 0; i < 10; ++i) {
                double angle = -kPi / 2 + i * kPi / 5;
                double r = i % 2 == 0 ? 7.2 : 3.1;
                double x = r * std::cos(angle);
                double y = r * std::sin(angle) + 0.6;
                if (i == 0)
                    cairo_move_to(cr, x, y);
                else
                    cairo_line_to(cr, x, y);
            }
            cairo_close_path(cr);
            filled = true;
            break;
        case Glyph::Gear:
            for (int i = 0; i < 32; ++i) {
                // Eight teeth: two points out, two points in, per tooth.
                double angle = i * kPi / 16;
                double r = (i % 4 == 0 || i % 4 == 1) ? 7 : 5.2;
                double x = r * std::cos(angle - kPi / 32);
                double y = r * std::sin(angle - kPi / 32);
                if (i == 0)
                    cairo_move_to(cr, x, y);
                else
                    cairo_line_to(cr, x, y);
            }
            cairo_close_path(cr);
            Circle(cr, 0, 0, 2.3);
            break;
        case Glyph::Home:
            Polyline(cr, {{-7, 0.5}, {0, -6}, {7, 0.5}});
            Polyline(cr, {{-5, -1.2}, {-5, 6.5}, {5, 6.5}, {5, -1.2}});
            Polyline(cr, {{-1.6, 6.5}, {-1.6, 2.5}, {1.6, 2.5}, {1.6, 6.5}});
            break;
        case Glyph::Power:
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0, 0.8, 6, -kPi / 2 + 0.75, 3 * kPi / 2 - 0.75);
            Line(cr, 0, -6.8, 0, -0.5);
            break;
        case Glyph::Check:
            Polyline(cr, {{-5, 0}, {-1.5, 3.5}, {5, -3.5}});
            break;
    }
}

}  // namespace

void DrawGlyph(const SkinCanvas& canvas, Glyph glyph, double cx, double cy, double size,
               const Rgba& colour, double lineWidth) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    double scale = size / 16.0;
    cairo_scale(cr, scale, scale);
    cairo_new_path(cr);
    bool filled = false;
    GlyphPath(cr, glyph, filled);
    canvas.SetColor(colour);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (filled) {
        cairo_set_line_width(cr, 1.2 / scale);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
    } else {
        cairo_set_line_width(cr, lineWidth / scale);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void DrawLogo(const SkinCanvas& canvas, double x, double y, double size) {
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 64.0, size / 64.0);

    // White tile with a faint rim, so it holds on the blue title bar and on light panels.
    RoundedRectPath(cr, 1, 1, 62, 62, 14);
    canvas.SetColor(Hex("#FFFFFF"));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);

    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 64);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.93, 0.96, 1.0);
    cairo_pattern_add_color_stop_rgb(sky, 1, 1, 1, 1);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    canvas.SetColor(Hex("#FFB547"));
    Circle(cr, 44, 20, 7);
    cairo_fill(cr);

    canvas.SetColor(Hex("#A9C8FA"));
    Ridge(cr, {{-2, 54}, {22, 28}, {34, 40}, {42, 32}, {66, 56}});

    cairo_pattern_t* hill = cairo_pattern_create_linear(0, 30, 0, 64);
    cairo_pattern_add_color_stop_rgb(hill, 0, 0.36, 0.60, 0.97);
    cairo_pattern_add_color_stop_rgb(hill, 1, 0.22, 0.45, 0.87);
    cairo_set_source(cr, hill);
    Ridge(cr, {{-2, 62}, {18, 40}, {30, 50}, {46, 34}, {66, 52}});
    cairo_pattern_destroy(hill);
    cairo_restore(cr);

    RoundedRectPath(cr, 1.5, 1.5, 61, 61, 13.5);
    canvas.SetColor(Hex("#1B3F80", 0.18));
    cairo_set_line_width(cr, 64.0 / size);  // one device pixel
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace lumora::skinart
