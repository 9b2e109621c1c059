#pragma once

#include "base/Geometry.h"
#include "wnd/DC.h"

namespace lumora {

class Wnd;

// Paints an area of a top-level window's surface: every visible window in it, back to front,
// each clipped to its own rectangle (and region) and to its parent's client area. Each gets
// OnEraseBkgnd unless its own pending invalidation asked for none, then OnPaint, then its
// scroll bar. A window that paints nothing (a hollow brush, no paint handler) lets what lies
// below show through; since siblings below always paint first, WS_EX_TRANSPARENT windows
// need nothing more, and WS_CLIPSIBLINGS gives the same picture as painting in z-order.
class Painter {
public:
    static void PaintSurface(Wnd& top, cairo_t* cr, const Rect& area);

private:
    static void PaintWindow(Wnd& wnd, cairo_t* cr, const Rect& area);
};

}  // namespace lumora
