#pragma once

#include <cairo.h>

#include <initializer_list>
#include <string>

#include "base/Geometry.h"
#include "platform/ImageFile.h"
#include "wnd/Brush.h"
#include "wnd/Font.h"
#include "wnd/WinTypes.h"

namespace lumora {

// DrawText formats and ExtTextOut options, with their Win32 values.
inline constexpr UINT DT_LEFT = 0x0;
inline constexpr UINT DT_TOP = 0x0;
inline constexpr UINT DT_CENTER = 0x1;
inline constexpr UINT DT_RIGHT = 0x2;
inline constexpr UINT DT_VCENTER = 0x4;
inline constexpr UINT DT_BOTTOM = 0x8;
inline constexpr UINT DT_WORDBREAK = 0x10;
inline constexpr UINT DT_SINGLELINE = 0x20;
inline constexpr UINT DT_EXPANDTABS = 0x40;
inline constexpr UINT DT_TABSTOP = 0x80;
inline constexpr UINT DT_NOCLIP = 0x100;
inline constexpr UINT DT_CALCRECT = 0x400;
inline constexpr UINT DT_NOPREFIX = 0x800;
inline constexpr UINT ETO_OPAQUE = 0x2;
inline constexpr UINT ETO_CLIPPED = 0x4;

// Background modes of text output.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// A drawing context over cairo: what the program's windows draw, in the coordinates of one
// window (its client area, or its whole window for a window context). Text is laid out with
// Pango. The context does not own the cairo context; it restores its state when it ends.
class DC {
public:
    DC(cairo_t* cr, const Font& font);
    ~DC();
    DC(const DC&) = delete;
    DC& operator=(const DC&) = delete;

    cairo_t* Cairo() const { return m_cr; }

    ColorRef SetTextColor(ColorRef color);
    ColorRef GetTextColor() const { return m_textColor; }
    ColorRef SetBkColor(ColorRef color);
    ColorRef GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }
    Font SelectFont(const Font& font);
    const Font& GetFont() const { return m_font; }

    void FillSolidRect(const Rect& rect, ColorRef color);
    // A hollow brush paints nothing; the default brush paints the face colour.
    void FillRect(const Rect& rect, const Brush& brush);
    void FrameRect(const Rect& rect, ColorRef color);
    void FillEllipse(const Rect& rect, ColorRef color);
    void FrameEllipse(const Rect& rect, ColorRef color);
    void FillPolygon(std::initializer_list<Point> points, ColorRef color);

    // The whole image scaled into `dest`: composited "over" as premultiplied colour when the
    // image carries alpha, copied otherwise.
    void DrawImage(const BgraImage& image, const Rect& dest);

    // Text with its top left corner at (x, y); ETO_CLIPPED clips it to `rect`, ETO_OPAQUE fills
    // `rect` with the background colour first. An opaque background mode fills the text's box.
    void ExtTextOut(int x, int y, UINT options, const Rect* rect, const std::string& text);
    // Text in `rect` by the DT_* format; answers the height of the text. DT_CALCRECT measures
    // into `rect` and draws nothing.
    int DrawText(const std::string& text, Rect& rect, UINT format);
    Size GetTextExtent(const std::string& text);

private:
    void SetSource(ColorRef color);

    cairo_t* m_cr;
    Font m_font;
    ColorRef m_textColor = 0;
    ColorRef m_bkColor = 0xFFFFFF;
    int m_bkMode = OPAQUE;
};

}  // namespace lumora
