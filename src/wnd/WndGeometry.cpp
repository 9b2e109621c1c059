// Wnd: placement, coordinates, visibility, invalidation, regions and drawing contexts.
#include <algorithm>

#include "wnd/ScrollBar.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

Point Wnd::SurfaceOrigin() const {
    Point p{0, 0};
    for (const Wnd* w = this; w->m_parent != nullptr; w = w->m_parent) {
        p.x += w->m_rect.left;
        p.y += w->m_rect.top;
    }
    return p;
}

Rect Wnd::GetWindowRect() const {
    const Point p = ClientToScreen(Point{0, 0});
    return Rect::FromXywh(p.x, p.y, m_rect.Width(), m_rect.Height());
}

Rect Wnd::GetClientRect() const {
    int width = m_rect.Width();
    if (m_vscroll && m_vscroll->Visible()) width = std::max(0, width - ScrollBar::kWidth);
    return {0, 0, width, m_rect.Height()};
}

Point Wnd::ClientToScreen(Point p) const {
    const Wnd* w = this;
    while (w->m_parent != nullptr) {
        p.x += w->m_rect.left;
        p.y += w->m_rect.top;
        w = w->m_parent;
    }
    return {p.x + w->m_rect.left, p.y + w->m_rect.top};
}

Rect Wnd::ClientToScreen(const Rect& r) const {
    const Point p = ClientToScreen(Point{r.left, r.top});
    return Rect::FromXywh(p.x, p.y, r.Width(), r.Height());
}

Point Wnd::ScreenToClient(Point p) const {
    const Point origin = ClientToScreen(Point{0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

Rect Wnd::ScreenToClient(const Rect& r) const {
    const Point p = ScreenToClient(Point{r.left, r.top});
    return Rect::FromXywh(p.x, p.y, r.Width(), r.Height());
}

void Wnd::MoveWindow(int x, int y, int width, int height, bool repaint) {
    MoveWindow(Rect::FromXywh(x, y, width, height), repaint);
}

void Wnd::MoveWindow(const Rect& rect, bool repaint) {
    if (!IsWindow()) return;
    const Rect old = m_rect;
    if (repaint && m_parent != nullptr && IsWindowVisible()) m_parent->InvalidateRect(&old, true);
    m_rect = rect;
    if (m_surface != 0) WindowSystem::Get().GetHost().MoveSurface(m_surface, rect);
    if (repaint) Invalidate(true);
    NotifyPlacement();
    if (IsWindow() && (old.left != rect.left || old.top != rect.top)) OnMove(rect.left, rect.top);
    if (IsWindow() && (old.Width() != rect.Width() || old.Height() != rect.Height())) {
        const Rect client = GetClientRect();
        OnSize(0, client.Width(), client.Height());
    }
}

bool Wnd::ShowWindow(int command) {
    const bool wasVisible = IsVisibleFlag();
    if (!IsWindow()) return false;
    const bool show = command != SW_HIDE;
    if (show == wasVisible) {
        return wasVisible;
    }
    SendMessage(WM_SHOWWINDOW, show ? 1 : 0);
    if (!IsWindow()) return wasVisible;
    if (show) {
        m_style |= WS_VISIBLE;
        if (m_surface != 0) {
            // The frame paints first, and its handler may decide the window is not to show.
            SendMessage(WM_NCPAINT, 1);
            if (!IsWindow() || !IsVisibleFlag()) return wasVisible;
            WindowSystem::Get().GetHost().ShowSurface(m_surface, true);
        }
        Invalidate(true);
    } else {
        if (m_parent != nullptr && IsWindowVisible()) m_parent->InvalidateRect(&m_rect, true);
        m_style &= ~WS_VISIBLE;
        if (m_surface != 0) WindowSystem::Get().GetHost().ShowSurface(m_surface, false);
        Wnd* focus = GetFocus();
        if (focus != nullptr && (focus == this || IsChild(focus))) {
            // The focus does not stay on a hidden window.
            Wnd* top = m_parent != nullptr ? GetTopLevel() : nullptr;
            WindowSystem::Get().SetFocus(top);
        }
    }
    NotifyPlacement();
    return wasVisible;
}

bool Wnd::IsWindowVisible() const {
    if (!IsWindow()) return false;
    for (const Wnd* w = this; w != nullptr; w = w->m_parent)
        if (!w->IsVisibleFlag()) return false;
    return true;
}

void Wnd::EnableWindow(bool enable) {
    if (enable)
        m_style &= ~WS_DISABLED;
    else
        m_style |= WS_DISABLED;
    Invalidate(true);
}

void Wnd::NotifyPlacement() {
    OnPlacementChanged();
    for (Wnd* child : std::vector<Wnd*>(m_children)) child->NotifyPlacement();
}

void Wnd::Invalidate(bool erase) { InvalidateRect(nullptr, erase); }

void Wnd::InvalidateRect(const Rect* clientRect, bool erase) {
    if (!IsWindowVisible()) return;
    // The whole window when no rectangle is given: the scroll bar repaints with its window.
    const Rect whole{0, 0, m_rect.Width(), m_rect.Height()};
    Rect area = clientRect != nullptr ? *clientRect : whole;
    const Point origin = SurfaceOrigin();
    InvalidateInSurface(area.Offset(origin.x, origin.y), erase);
}

void Wnd::InvalidateInSurface(const Rect& surfaceRect, bool erase) {
    m_invalid = true;
    m_needErase = m_needErase || erase;
    Wnd* top = GetTopLevel();
    if (top->m_surface == 0 || surfaceRect.IsEmpty()) return;
    WindowSystem::Get().GetHost().InvalidateSurface(top->m_surface, surfaceRect);
}

bool Wnd::SetWindowRgn(const std::optional<RoundRect>& region, bool redraw) {
    if (!IsWindow()) return false;
    m_region = region;
    if (m_surface != 0) WindowSystem::Get().GetHost().SetSurfaceShape(m_surface, region);
    if (redraw) {
        if (m_parent != nullptr && IsWindowVisible()) m_parent->InvalidateRect(&m_rect, true);
        Invalidate(true);
    }
    return true;
}

std::unique_ptr<DC> Wnd::GetWindowDC() {
    WindowSystem& sys = WindowSystem::Get();
    Wnd* top = GetTopLevel();
    const WindowSystem::Painting* painting = IsWindow() ? sys.PaintingOn(top->m_surface) : nullptr;
    if (painting == nullptr) return std::make_unique<DC>(sys.ScratchContext(), GetFont());
    auto dc = std::make_unique<DC>(painting->cr, GetFont());
    cairo_t* cr = painting->cr;
    const auto& m = painting->baseMatrix;
    cairo_matrix_t base{m[0], m[1], m[2], m[3], m[4], m[5]};
    cairo_set_matrix(cr, &base);
    // The window's context is clipped to the window and to the client areas above it.
    const Point origin = SurfaceOrigin();
    Rect clip = Rect::FromXywh(origin.x, origin.y, m_rect.Width(), m_rect.Height());
    for (const Wnd* w = m_parent; w != nullptr; w = w->m_parent) {
        const Point o = w->SurfaceOrigin();
        clip = clip.Intersect(w->GetClientRect().Offset(o.x, o.y));
    }
    cairo_rectangle(cr, clip.left, clip.top, clip.Width(), clip.Height());
    cairo_clip(cr);
    cairo_translate(cr, origin.x, origin.y);
    return dc;
}

std::unique_ptr<DC> Wnd::GetDC() {
    auto dc = GetWindowDC();
    const Rect client = GetClientRect();
    cairo_rectangle(dc->Cairo(), client.left, client.top, client.Width(), client.Height());
    cairo_clip(dc->Cairo());
    return dc;
}

}  // namespace lumora
