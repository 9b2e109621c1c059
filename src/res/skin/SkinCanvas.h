#pragma once

#include <cairo.h>

#include <numbers>
#include <string>

namespace lumora::skinart {

inline constexpr double kPi = std::numbers::pi;

// A colour with straight alpha, components 0..1.
struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
};

// Adds a closed rounded rectangle to the current path of `cr`.
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);

// Builds a colour from "#RRGGBB" and an optional opacity.
Rgba Hex(const char* text, double alpha = 1.0);

// One skin picture being drawn: a cairo image surface with the shape and text helpers the
// artwork needs. Opaque pictures are written without an alpha channel, so the program draws
// them as plain copies; the others keep straight alpha for the program to premultiply.
class SkinCanvas {
public:
    SkinCanvas(int width, int height, bool withAlpha);
    // A vector canvas that draws into the SVG file `svgPath`; Finish completes the file.
    SkinCanvas(const std::string& svgPath, int width, int height);
    ~SkinCanvas();
    SkinCanvas(const SkinCanvas&) = delete;
    SkinCanvas& operator=(const SkinCanvas&) = delete;

    cairo_t* Cr() const { return m_cr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    void SetColor(const Rgba& colour) const;
    void Fill(const Rgba& colour) const;
    void FillRect(double x, double y, double w, double h, const Rgba& colour) const;
    // A rounded rectangle path; radius is clamped to half the shorter side.
    void RoundRectPath(double x, double y, double w, double h, double radius) const;
    void FillRoundRect(double x, double y, double w, double h, double radius,
                       const Rgba& colour) const;
    // A one-pixel outline drawn inside the rectangle, on pixel centres.
    void StrokeRoundRect(double x, double y, double w, double h, double radius, const Rgba& colour,
                         double lineWidth = 1.0) const;

    // Width in pixels of a line of text at the given pixel size.
    double TextWidth(const std::string& text, int pixelSize, bool bold = false) const;
    // Draws one line of text with its ink box centred at (cx, cy).
    void TextCentred(const std::string& text, double cx, double cy, int pixelSize,
                     const Rgba& colour, bool bold = false) const;

    bool SavePng(const std::string& path) const;
    // Writes out what a vector canvas drew; false when its file could not be written.
    bool Finish() const;
    bool SaveJpeg(const std::string& path, int quality) const;

private:
    int m_width;
    int m_height;
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

}  // namespace lumora::skinart
