#include "wnd/Painter.h"

#include <cmath>

#include "wnd/ScrollBar.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

namespace {

void RoundRectPath(cairo_t* cr, const RoundRect& r) {
    const double rx = std::min(r.ellipseWidth, r.rect.Width()) / 2.0;
    const double ry = std::min(r.ellipseHeight, r.rect.Height()) / 2.0;
    const double l = r.rect.left, t = r.rect.top, rt = r.rect.right, b = r.rect.bottom;
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, l, t, rt - l, b - t);
        return;
    }
    auto corner = [&](double cx, double cy, double a0) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, a0, a0 + M_PI / 2);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(rt - rx, t + ry, -M_PI / 2);
    corner(rt - rx, b - ry, 0);
    corner(l + rx, b - ry, M_PI / 2);
    corner(l + rx, t + ry, M_PI);
    cairo_close_path(cr);
}

}  // namespace

void Painter::PaintSurface(Wnd& top, cairo_t* cr, const Rect& area) {
    WindowSystem& sys = WindowSystem::Get();
    sys.BeginPaint(top.m_surface, cr);
    cairo_save(cr);
    cairo_rectangle(cr, area.left, area.top, area.Width(), area.Height());
    cairo_clip(cr);
    PaintWindow(top, cr, area);
    cairo_restore(cr);
    sys.EndPaint(top.m_surface);
}

void Painter::PaintWindow(Wnd& wnd, cairo_t* cr, const Rect& area) {
    if (!wnd.IsVisibleFlag() || !wnd.IsWindow()) return;
    const Point origin = wnd.SurfaceOrigin();
    const Rect self = Rect::FromXywh(origin.x, origin.y, wnd.m_rect.Width(), wnd.m_rect.Height());
    if (self.Intersect(area).IsEmpty()) return;

    cairo_save(cr);
    cairo_rectangle(cr, self.left, self.top, self.Width(), self.Height());
    cairo_clip(cr);
    if (wnd.m_region) {
        cairo_save(cr);
        cairo_translate(cr, origin.x, origin.y);
        RoundRectPath(cr, *wnd.m_region);
        cairo_restore(cr);
        cairo_clip(cr);
    }

    // A window painted only because something near it changed is erased as well: nothing of
    // its own earlier picture survives below it.
    const bool erase = wnd.m_needErase || !wnd.m_invalid;
    wnd.m_needErase = wnd.m_invalid = false;
    cairo_save(cr);
    cairo_translate(cr, origin.x, origin.y);
    const Rect client = wnd.GetClientRect();
    cairo_save(cr);
    cairo_rectangle(cr, client.left, client.top, client.Width(), client.Height());
    cairo_clip(cr);
    if (erase) {
        DC dc(cr, wnd.GetFont());
        wnd.OnEraseBkgnd(dc);
    }
    if (wnd.IsWindow()) {
        DC dc(cr, wnd.GetFont());
        wnd.OnPaint(dc);
    }
    cairo_restore(cr);
    if (wnd.m_vscroll && wnd.m_vscroll->Visible()) {
        DC dc(cr, wnd.GetFont());
        wnd.m_vscroll->Paint(dc);
    }
    cairo_restore(cr);

    // Children, bottom of the z-order first, clipped to this window's client area.
    const Rect clientOnSurface = client.Offset(origin.x, origin.y).Intersect(area);
    if (!clientOnSurface.IsEmpty() && wnd.IsWindow()) {
        cairo_rectangle(cr, clientOnSurface.left, clientOnSurface.top, clientOnSurface.Width(),
                        clientOnSurface.Height());
        cairo_clip(cr);
        const std::vector<Wnd*> children = wnd.m_children;
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            // A paint handler may destroy windows; only those still in the tree paint.
            if (WindowSystem::Get().Lookup((*it)->GetSafeHwnd()) == *it)
                PaintWindow(**it, cr, clientOnSurface);
        }
    }
    cairo_restore(cr);
}

}  // namespace lumora
