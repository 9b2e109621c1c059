#include "res/skin/SkinCanvas.h"

#include <cairo-svg.h>
#include <jpeglib.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace lumora::skinart {

namespace {

// Every caption in the skin uses the same CJK-capable family as the program's dialogs.
constexpr const char* kFontFamily = "WenQuanYi Micro Hei";

PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, int pixelSize, bool bold) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, kFontFamily);
    pango_font_description_set_absolute_size(font, pixelSize * PANGO_SCALE);
    pango_font_description_set_weight(font, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, text.c_str(), static_cast<int>(text.size()));
    return layout;
}

}  // namespace

Rgba Hex(const char* text, double alpha) {
    unsigned value = static_cast<unsigned>(std::strtoul(text + 1, nullptr, 16));
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0,
            alpha};
}

SkinCanvas::SkinCanvas(int width, int height, bool withAlpha)
    : m_width(width),
      m_height(height),
      m_surface(cairo_image_surface_create(withAlpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24,
                                           width, height)),
      m_cr(cairo_create(m_surface)) {
    // A fresh surface is transparent black; opaque pictures start white.
    if (!withAlpha) Fill({1, 1, 1, 1});
}

SkinCanvas::SkinCanvas(const std::string& svgPath, int width, int height)
    : m_width(width),
      m_height(height),
      m_surface(cairo_svg_surface_create(svgPath.c_str(), width, height)),
      m_cr(nullptr) {
    // Sizes in pixels, as icon themes expect, rather than cairo's default points.
    cairo_svg_surface_set_document_unit(m_surface, CAIRO_SVG_UNIT_PX);
    m_cr = cairo_create(m_surface);
}

SkinCanvas::~SkinCanvas() {
    cairo_destroy(m_cr);
    cairo_surface_destroy(m_surface);
}

void SkinCanvas::SetColor(const Rgba& colour) const {
    cairo_set_source_rgba(m_cr, colour.r, colour.g, colour.b, colour.a);
}

void SkinCanvas::Fill(const Rgba& colour) const { FillRect(0, 0, m_width, m_height, colour); }

void SkinCanvas::FillRect(double x, double y, double w, double h, const Rgba& colour) const {
    SetColor(colour);
    cairo_rectangle(m_cr, x, y, w, h);
    cairo_fill(m_cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    radius = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void SkinCanvas::RoundRectPath(double x, double y, double w, double h, double radius) const {
    RoundedRectPath(m_cr, x, y, w, h, radius);
}

void SkinCanvas::FillRoundRect(double x, double y, double w, double h, double radius,
                               const Rgba& colour) const {
    SetColor(colour);
    RoundRectPath(x, y, w, h, radius);
    cairo_fill(m_cr);
}

void SkinCanvas::StrokeRoundRect(double x, double y, double w, double h, double radius,
                                 const Rgba& colour, double lineWidth) const {
    SetColor(colour);
    cairo_set_line_width(m_cr, lineWidth);
    double inset = lineWidth / 2;
    RoundRectPath(x + inset, y + inset, w - lineWidth, h - lineWidth, radius - inset);
    cairo_stroke(m_cr);
}

double SkinCanvas::TextWidth(const std::string& text, int pixelSize, bool bold) const {
    PangoLayout* layout = MakeLayout(m_cr, text, pixelSize, bold);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return logical.width;
}

void SkinCanvas::TextCentred(const std::string& text, double cx, double cy, int pixelSize,
                             const Rgba& colour, bool bold) const {
    PangoLayout* layout = MakeLayout(m_cr, text, pixelSize, bold);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    // Horizontally by the advance, so strings of equal length line up; vertically by the
    // ink, so Chinese captions sit in the optical middle of their button.
    double x = cx - logical.width / 2.0 - logical.x;
    double y = cy - ink.height / 2.0 - ink.y;
    SetColor(colour);
    cairo_move_to(m_cr, std::round(x), std::round(y));
    pango_cairo_show_layout(m_cr, layout);
    g_object_unref(layout);
}

bool SkinCanvas::SavePng(const std::string& path) const {
    cairo_surface_flush(m_surface);
    return cairo_surface_write_to_png(m_surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool SkinCanvas::Finish() const {
    cairo_surface_finish(m_surface);
    return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS;
}

bool SkinCanvas::SaveJpeg(const std::string& path, int quality) const {
    cairo_surface_flush(m_surface);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;

    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(m_width);
    info.image_height = static_cast<JDIMENSION>(m_height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);

    // Cairo keeps each pixel as a native-endian 0xAARRGGBB word.
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    int stride = cairo_image_surface_get_stride(m_surface);
    std::vector<unsigned char> row(static_cast<size_t>(m_width) * 3);
    while (info.next_scanline < info.image_height) {
        const auto* pixels =
            reinterpret_cast<const std::uint32_t*>(data + info.next_scanline * stride);
        for (int x = 0; x < m_width; ++x) {
            row[x * 3 + 0] = (pixels[x] >> 16) & 0xFF;
            row[x * 3 + 1] = (pixels[x] >> 8) & 0xFF;
            row[x * 3 + 2] = pixels[x] & 0xFF;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

}  // namespace lumora::skinart
