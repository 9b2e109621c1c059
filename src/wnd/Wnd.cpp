#include "wnd/Wnd.h"

#include <algorithm>

#include "wnd/ScrollBar.h"
#include "wnd/SurfaceBridge.h"
#include "wnd/WindowSystem.h"

namespace lumora {

Wnd::Wnd() = default;

Wnd::~Wnd() { DestroyWindow(); }

bool Wnd::CreateEx(DWORD exStyle, const std::string& text, DWORD style, const Rect& rect, Wnd* parent,
                   int id)
{
    if (IsWindow()) return false;
    if ((style & WS_CHILD) != 0 && (parent == nullptr || !parent->IsWindow())) return false;
    WindowSystem& sys = WindowSystem::Get();
    m_style = style & ~WS_VISIBLE;
    m_exStyle = exStyle;
    m_text = text;
    m_rect = rect;
    m_id = id;
    m_hwnd = sys.Register(this);
    if ((style & WS_CHILD) != 0) {
        m_parent = parent;
        m_owner = nullptr;
        // A new child goes below its earlier siblings, so the order of creation is the order
        // from the top of the z-order (and the tab order).
        parent->m_children.push_back(this);
    } else {
        m_parent = nullptr;
        m_owner = parent != nullptr && parent->IsWindow() ? parent->GetTopLevel() : nullptr;
        m_bridge = std::make_unique<SurfaceBridge>(*this);
        SurfaceOptions options;
        options.owner = m_owner != nullptr ? m_owner->m_surface : 0;
        options.toolWindow = (exStyle & WS_EX_TOOLWINDOW) != 0 ||
                             (m_owner != nullptr && (exStyle & WS_EX_APPWINDOW) == 0);
        options.screen = rect;
        options.title = text;
        options.client = m_bridge.get();
        m_surface = sys.GetHost().CreateSurface(options);
    }
    OnCreated();
    if ((style & WS_VISIBLE) != 0) ShowWindow(SW_SHOW);
    return true;
}

bool Wnd::DestroyWindow()
{
    if (!IsWindow()) return false;
    WindowSystem& sys = WindowSystem::Get();
    // The destroy notice reaches this window before its children, as on the system.
    SendMessage(WM_DESTROY);
    if (!IsWindow()) return true;
    if (IsWindowVisible() && m_parent != nullptr) m_parent->InvalidateRect(&m_rect, true);
    while (!m_children.empty()) m_children.front()->DestroyWindow();
    SendMessage(WM_NCDESTROY);
    OnReleased();
    if (m_parent != nullptr) std::erase(m_parent->m_children, this);
    sys.Unregister(this);
    if (m_surface != 0) sys.GetHost().DestroySurface(m_surface);
    m_surface = 0;
    m_bridge.reset();
    m_vscroll.reset();
    m_parent = nullptr;
    m_owner = nullptr;
    m_hwnd = 0;
    m_style &= ~WS_VISIBLE;
    m_needErase = m_invalid = false;
    return true;
}

Wnd* Wnd::FromHandle(HWND hwnd) { return WindowSystem::Get().Lookup(hwnd); }

Wnd* Wnd::GetParent() const { return m_parent != nullptr ? m_parent : m_owner; }

Wnd* Wnd::GetDlgItem(int id) const
{
    for (Wnd* child : m_children)
        if (child->m_id == id) return child;
    return nullptr;
}

bool Wnd::IsChild(const Wnd* descendant) const
{
    for (const Wnd* w = descendant != nullptr ? descendant->m_parent : nullptr; w != nullptr; w = w->m_parent)
        if (w == this) return true;
    return false;
}

Wnd* Wnd::GetTopLevel()
{
    Wnd* w = this;
    while (w->m_parent != nullptr) w = w->m_parent;
    return w;
}

const Wnd* Wnd::GetTopLevel() const
{
    const Wnd* w = this;
    while (w->m_parent != nullptr) w = w->m_parent;
    return w;
}

void Wnd::BringToTop()
{
    if (m_parent == nullptr) {
        SetForegroundWindow();
        return;
    }
    auto& siblings = m_parent->m_children;
    std::erase(siblings, this);
    siblings.insert(siblings.begin(), this);
    Invalidate(true);
}

void Wnd::ModifyStyle(DWORD remove, DWORD add)
{
    // Visibility changes only through ShowWindow.
    remove &= ~WS_VISIBLE;
    add &= ~WS_VISIBLE;
    m_style = (m_style & ~remove) | add;
}

void Wnd::ModifyStyleEx(DWORD remove, DWORD add)
{
    const DWORD old = m_exStyle;
    m_exStyle = (m_exStyle & ~remove) | add;
    const DWORD taskbarBits = WS_EX_TOOLWINDOW | WS_EX_APPWINDOW;
    if (m_surface != 0 && (old & taskbarBits) != (m_exStyle & taskbarBits)) {
        const bool tool = (m_exStyle & WS_EX_TOOLWINDOW) != 0 ||
                          (m_owner != nullptr && (m_exStyle & WS_EX_APPWINDOW) == 0);
        WindowSystem::Get().GetHost().SetToolWindow(m_surface, tool);
    }
}

void Wnd::SetWindowText(const std::string& text)
{
    m_text = text;
    Invalidate(true);
}

void Wnd::SetFont(const Font& font, bool redraw)
{
    m_font = font;
    if (redraw) Invalidate(true);
}

Font Wnd::GetFont() const
{
    for (const Wnd* w = this; w != nullptr; w = w->m_parent)
        if (w->m_font) return *w->m_font;
    return Font{};
}

Point Wnd::SurfaceOrigin() const
{
    Point p{0, 0};
    for (const Wnd* w = this; w->m_parent != nullptr; w = w->m_parent) {
        p.x += w->m_rect.left;
        p.y += w->m_rect.top;
    }
    return p;
}

Rect Wnd::GetWindowRect() const
{
    const Point p = ClientToScreen(Point{0, 0});
    return Rect::FromXywh(p.x, p.y, m_rect.Width(), m_rect.Height());
}

Rect Wnd::GetClientRect() const
{
    int width = m_rect.Width();
    if (m_vscroll && m_vscroll->Visible()) width = std::max(0, width - ScrollBar::kWidth);
    return {0, 0, width, m_rect.Height()};
}

Point Wnd::ClientToScreen(Point p) const
{
    const Wnd* w = this;
    while (w->m_parent != nullptr) {
        p.x += w->m_rect.left;
        p.y += w->m_rect.top;
        w = w->m_parent;
    }
    return {p.x + w->m_rect.left, p.y + w->m_rect.top};
}

Rect Wnd::ClientToScreen(const Rect& r) const
{
    const Point p = ClientToScreen(Point{r.left, r.top});
    return Rect::FromXywh(p.x, p.y, r.Width(), r.Height());
}

Point Wnd::ScreenToClient(Point p) const
{
    const Point origin = ClientToScreen(Point{0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

Rect Wnd::ScreenToClient(const Rect& r) const
{
    const Point p = ScreenToClient(Point{r.left, r.top});
    return Rect::FromXywh(p.x, p.y, r.Width(), r.Height());
}

void Wnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    MoveWindow(Rect::FromXywh(x, y, width, height), repaint);
}

void Wnd::MoveWindow(const Rect& rect, bool repaint)
{
    if (!IsWindow()) return;
    const Rect old = m_rect;
    if (repaint && m_parent != nullptr && IsWindowVisible()) m_parent->InvalidateRect(&old, true);
    m_rect = rect;
    if (m_surface != 0) WindowSystem::Get().GetHost().MoveSurface(m_surface, rect);
    if (repaint) Invalidate(true);
    NotifyPlacement();
    if (old.left != rect.left || old.top != rect.top) SendMessage(WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if (old.Width() != rect.Width() || old.Height() != rect.Height()) {
        const Rect client = GetClientRect();
        SendMessage(WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
    }
}

bool Wnd::ShowWindow(int command)
{
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

bool Wnd::IsWindowVisible() const
{
    if (!IsWindow()) return false;
    for (const Wnd* w = this; w != nullptr; w = w->m_parent)
        if (!w->IsVisibleFlag()) return false;
    return true;
}

void Wnd::EnableWindow(bool enable)
{
    if (enable) m_style &= ~WS_DISABLED;
    else m_style |= WS_DISABLED;
    Invalidate(true);
}

void Wnd::NotifyPlacement()
{
    OnPlacementChanged();
    for (Wnd* child : std::vector<Wnd*>(m_children)) child->NotifyPlacement();
}

void Wnd::Invalidate(bool erase) { InvalidateRect(nullptr, erase); }

void Wnd::InvalidateRect(const Rect* clientRect, bool erase)
{
    if (!IsWindowVisible()) return;
    // The whole window when no rectangle is given: the scroll bar repaints with its window.
    const Rect whole{0, 0, m_rect.Width(), m_rect.Height()};
    Rect area = clientRect != nullptr ? *clientRect : whole;
    const Point origin = SurfaceOrigin();
    InvalidateInSurface(area.Offset(origin.x, origin.y), erase);
}

void Wnd::InvalidateInSurface(const Rect& surfaceRect, bool erase)
{
    m_invalid = true;
    m_needErase = m_needErase || erase;
    Wnd* top = GetTopLevel();
    if (top->m_surface == 0 || surfaceRect.IsEmpty()) return;
    WindowSystem::Get().GetHost().InvalidateSurface(top->m_surface, surfaceRect);
}

bool Wnd::SetWindowRgn(const std::optional<RoundRect>& region, bool redraw)
{
    if (!IsWindow()) return false;
    m_region = region;
    if (m_surface != 0) WindowSystem::Get().GetHost().SetSurfaceShape(m_surface, region);
    if (redraw) {
        if (m_parent != nullptr && IsWindowVisible()) m_parent->InvalidateRect(&m_rect, true);
        Invalidate(true);
    }
    return true;
}

std::unique_ptr<DC> Wnd::GetWindowDC()
{
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

std::unique_ptr<DC> Wnd::GetDC()
{
    auto dc = GetWindowDC();
    const Rect client = GetClientRect();
    cairo_rectangle(dc->Cairo(), client.left, client.top, client.Width(), client.Height());
    cairo_clip(dc->Cairo());
    return dc;
}

LRESULT Wnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow()) return 0;
    return WindowProc(message, wParam, lParam);
}

bool Wnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow()) return false;
    WindowSystem::Get().Post({m_hwnd, message, wParam, lParam});
    return true;
}

bool Wnd::PreTranslateMessage(Msg&) { return false; }

UINT Wnd::SetTimer(UINT id, UINT ms) { return WindowSystem::Get().SetTimer(*this, id, ms); }

bool Wnd::KillTimer(UINT id) { return WindowSystem::Get().KillTimer(*this, id); }

void Wnd::SetCapture()
{
    if (IsWindow()) WindowSystem::Get().SetCapture(this);
}

void Wnd::ReleaseCapture() { WindowSystem::Get().SetCapture(nullptr); }

Wnd* Wnd::GetCapture() { return WindowSystem::Get().Capture(); }

Wnd* Wnd::SetFocus()
{
    WindowSystem& sys = WindowSystem::Get();
    Wnd* old = sys.Focus();
    if (IsWindow()) sys.SetFocus(this);
    return old;
}

Wnd* Wnd::GetFocus() { return WindowSystem::Get().Focus(); }

void Wnd::SetForegroundWindow()
{
    // A hidden window stays hidden, as on the system (raising a surface would show it).
    Wnd* top = IsWindow() ? GetTopLevel() : nullptr;
    if (top == nullptr || !top->IsWindowVisible()) return;
    WindowSystem::Get().GetHost().SetForeground(top->m_surface);
}

void Wnd::BeginMoveDrag()
{
    if (!IsWindow()) return;
    Wnd* top = GetTopLevel();
    WindowSystem::Get().GetHost().BeginMoveDrag(top->m_surface, lumora::GetCursorPos());
}

int Wnd::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    return WindowSystem::Get().GetHost().MessageBox(IsWindow() ? GetSurface() : 0, text, caption, type);
}

int Wnd::SetScrollInfo(int bar, const ScrollInfo& info, bool redraw)
{
    if (bar != SB_VERT || !IsWindow()) return 0;
    if (!m_vscroll) m_vscroll = std::make_unique<ScrollBar>(*this);
    const bool wasVisible = m_vscroll->Visible();
    const int pos = m_vscroll->Set(info);
    if (wasVisible != m_vscroll->Visible()) {
        // The client area grows or shrinks by the bar.
        Invalidate(true);
        const Rect client = GetClientRect();
        SendMessage(WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
    } else if (redraw && m_vscroll->Visible()) {
        const Rect area = m_vscroll->Area();
        const Point origin = SurfaceOrigin();
        if (IsWindowVisible()) InvalidateInSurface(area.Offset(origin.x, origin.y), false);
    }
    return pos;
}

bool Wnd::GetScrollInfo(int bar, ScrollInfo& info) const
{
    if (bar != SB_VERT) return false;
    const UINT mask = info.mask;
    info = m_vscroll ? m_vscroll->Get() : ScrollInfo{};
    info.mask = mask;
    return true;
}

int Wnd::GetScrollPos(int bar) const
{
    if (bar != SB_VERT || !m_vscroll) return 0;
    return m_vscroll->Pos();
}

void Wnd::OnPaint(DC&) {}

bool Wnd::OnEraseBkgnd(DC&) { return false; }

Brush Wnd::OnCtlColor(DC& dc, Wnd&, UINT ctlColor)
{
    if (ctlColor == CTLCOLOR_EDIT) {
        dc.SetBkColor(RGB(255, 255, 255));
        return Brush::SolidColor(RGB(255, 255, 255));
    }
    dc.SetBkColor(kFaceColor);
    return Brush::SolidColor(kFaceColor);
}

int Wnd::OnNcHitTest(Point screen)
{
    const Point p = ScreenToClient(screen);
    if (m_vscroll && m_vscroll->Visible() && m_vscroll->Area().Contains(p)) return HTVSCROLL;
    return Rect{0, 0, m_rect.Width(), m_rect.Height()}.Contains(p) ? HTCLIENT : HTNOWHERE;
}

bool Wnd::OnSetCursor(Wnd& window, int hitTest, UINT mouseMessage)
{
    // The parent has the first word; then the arrow.
    if (m_parent != nullptr &&
        m_parent->SendMessage(WM_SETCURSOR, window.GetSafeHwnd(), MAKELPARAM(hitTest, mouseMessage)) != 0)
        return true;
    if (this == &window) lumora::SetCursor(CursorShape::Arrow);
    return false;
}

bool Wnd::OnMouseWheel(UINT flags, short delta, Point screen)
{
    Wnd* parent = m_parent;
    if (parent == nullptr) return false;
    return parent->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<unsigned short>(delta)),
                               MAKELPARAM(screen.x, screen.y)) != 0;
}

void Wnd::OnNcLButtonDown(int hitTest, Point screen)
{
    if (hitTest == HTCAPTION) {
        BeginMoveDrag();
    } else if (hitTest == HTVSCROLL && m_vscroll) {
        const Point client = ScreenToClient(screen);
        m_vscroll->Press(client);
    }
}

void Wnd::OnDrawItem(int, DrawItemInfo& info)
{
    if (info.item != nullptr) info.item->DrawItem(info);
}

void Wnd::OnClose() { DestroyWindow(); }

LRESULT Wnd::DefWindowProc(UINT, WPARAM, LPARAM) { return 0; }

bool PostMessage(Wnd* wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return wnd != nullptr && wnd->PostMessage(message, wParam, lParam);
}

LRESULT SendMessage(Wnd* wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return wnd != nullptr ? wnd->SendMessage(message, wParam, lParam) : 0;
}

bool TrackMouseEvent(Wnd& wnd, DWORD flags, DWORD hoverTime)
{
    return WindowSystem::Get().TrackMouse(wnd, flags, hoverTime);
}

Point GetCursorPos() { return WindowSystem::Get().GetHost().CursorPos(); }

void SetCursor(CursorShape shape)
{
    WindowSystem& sys = WindowSystem::Get();
    if (sys.MouseSurface() != 0) sys.GetHost().SetCursor(sys.MouseSurface(), shape);
}

short GetKeyState(UINT vk) { return WindowSystem::Get().KeyDown(vk) ? static_cast<short>(0x8000) : 0; }

}  // namespace lumora
