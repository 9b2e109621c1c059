#include "wnd/Wnd.h"

#include <algorithm>

#include "wnd/ScrollBar.h"
#include "wnd/SurfaceBridge.h"
#include "wnd/WindowSystem.h"

namespace lumora {

Wnd::Wnd() = default;

Wnd::~Wnd() { DestroyWindow(); }

bool Wnd::CreateEx(DWORD exStyle, const std::string& text, DWORD style, const Rect& rect,
                   Wnd* parent, int id) {
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

bool Wnd::DestroyWindow() {
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

std::vector<Wnd*> Wnd::OwnedWindows() const {
    std::vector<Wnd*> owned;
    for (Wnd* wnd : WindowSystem::Get().Windows())
        if (wnd->m_owner == this) owned.push_back(wnd);
    return owned;
}

Wnd* Wnd::GetParent() const { return m_parent != nullptr ? m_parent : m_owner; }

Wnd* Wnd::GetDlgItem(int id) const {
    for (Wnd* child : m_children)
        if (child->m_id == id) return child;
    return nullptr;
}

bool Wnd::IsChild(const Wnd* descendant) const {
    for (const Wnd* w = descendant != nullptr ? descendant->m_parent : nullptr; w != nullptr;
         w = w->m_parent)
        if (w == this) return true;
    return false;
}

Wnd* Wnd::GetTopLevel() {
    Wnd* w = this;
    while (w->m_parent != nullptr) w = w->m_parent;
    return w;
}

const Wnd* Wnd::GetTopLevel() const {
    const Wnd* w = this;
    while (w->m_parent != nullptr) w = w->m_parent;
    return w;
}

void Wnd::BringToTop() {
    if (m_parent == nullptr) {
        SetForegroundWindow();
        return;
    }
    auto& siblings = m_parent->m_children;
    std::erase(siblings, this);
    siblings.insert(siblings.begin(), this);
    Invalidate(true);
}

void Wnd::ModifyStyle(DWORD remove, DWORD add) {
    // Visibility changes only through ShowWindow.
    remove &= ~WS_VISIBLE;
    add &= ~WS_VISIBLE;
    m_style = (m_style & ~remove) | add;
}

void Wnd::ModifyStyleEx(DWORD remove, DWORD add) {
    const DWORD old = m_exStyle;
    m_exStyle = (m_exStyle & ~remove) | add;
    const DWORD taskbarBits = WS_EX_TOOLWINDOW | WS_EX_APPWINDOW;
    if (m_surface != 0 && (old & taskbarBits) != (m_exStyle & taskbarBits)) {
        const bool tool = (m_exStyle & WS_EX_TOOLWINDOW) != 0 ||
                          (m_owner != nullptr && (m_exStyle & WS_EX_APPWINDOW) == 0);
        WindowSystem::Get().GetHost().SetToolWindow(m_surface, tool);
    }
}

void Wnd::SetWindowText(const std::string& text) {
    m_text = text;
    if (m_surface != 0) WindowSystem::Get().GetHost().SetSurfaceTitle(m_surface, text);
    Invalidate(true);
}

void Wnd::SetFont(const Font& font, bool redraw) {
    m_font = font;
    if (redraw) Invalidate(true);
}

Font Wnd::GetFont() const {
    for (const Wnd* w = this; w != nullptr; w = w->m_parent)
        if (w->m_font) return *w->m_font;
    return Font{};
}

LRESULT Wnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow()) return 0;
    return WindowProc(message, wParam, lParam);
}

bool Wnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow()) return false;
    WindowSystem::Get().Post({m_hwnd, message, wParam, lParam});
    return true;
}

LRESULT Wnd::SendMouse(UINT message, const MouseEvent& event) {
    if (!IsWindow()) return 0;
    return MouseProc(message, event);
}

bool Wnd::PostMouse(UINT message, const MouseEvent& event) {
    if (!IsWindow()) return false;
    WindowSystem::Get().Post({m_hwnd, message, 0, 0, event});
    return true;
}

bool Wnd::PreTranslateMessage(Msg&) { return false; }

UINT Wnd::SetTimer(UINT id, UINT ms) { return WindowSystem::Get().SetTimer(*this, id, ms); }

bool Wnd::KillTimer(UINT id) { return WindowSystem::Get().KillTimer(*this, id); }

void Wnd::SetCapture() {
    if (IsWindow()) WindowSystem::Get().SetCapture(this);
}

void Wnd::ReleaseCapture() { WindowSystem::Get().SetCapture(nullptr); }

Wnd* Wnd::GetCapture() { return WindowSystem::Get().Capture(); }

Wnd* Wnd::SetFocus() {
    WindowSystem& sys = WindowSystem::Get();
    Wnd* old = sys.Focus();
    if (IsWindow()) sys.SetFocus(this);
    return old;
}

Wnd* Wnd::GetFocus() { return WindowSystem::Get().Focus(); }

void Wnd::SetForegroundWindow() {
    // A hidden window stays hidden, as on the system (raising a surface would show it).
    Wnd* top = IsWindow() ? GetTopLevel() : nullptr;
    if (top == nullptr || !top->IsWindowVisible()) return;
    WindowSystem::Get().GetHost().SetForeground(top->m_surface);
}

void Wnd::BeginMoveDrag() {
    if (!IsWindow()) return;
    Wnd* top = GetTopLevel();
    WindowSystem::Get().GetHost().BeginMoveDrag(top->m_surface, lumora::GetCursorPos());
}

int Wnd::MessageBox(const std::string& text, const std::string& caption, MessageBoxStyle style) {
    return WindowSystem::Get().GetHost().MessageBox(IsWindow() ? GetSurface() : 0, text, caption,
                                                    style);
}

int Wnd::SetScrollInfo(int bar, const ScrollInfo& info, bool redraw) {
    if (bar != SB_VERT || !IsWindow()) return 0;
    if (!m_vscroll) m_vscroll = std::make_unique<ScrollBar>(*this);
    const bool wasVisible = m_vscroll->Visible();
    const int pos = m_vscroll->Set(info);
    if (wasVisible != m_vscroll->Visible()) {
        // The client area grows or shrinks by the bar.
        Invalidate(true);
        const Rect client = GetClientRect();
        if (IsWindow()) OnSize(0, client.Width(), client.Height());
    } else if (redraw && m_vscroll->Visible()) {
        const Rect area = m_vscroll->Area();
        const Point origin = SurfaceOrigin();
        if (IsWindowVisible()) InvalidateInSurface(area.Offset(origin.x, origin.y), false);
    }
    return pos;
}

bool Wnd::GetScrollInfo(int bar, ScrollInfo& info) const {
    if (bar != SB_VERT) return false;
    const UINT mask = info.mask;
    info = m_vscroll ? m_vscroll->Get() : ScrollInfo{};
    info.mask = mask;
    return true;
}

int Wnd::GetScrollPos(int bar) const {
    if (bar != SB_VERT || !m_vscroll) return 0;
    return m_vscroll->Pos();
}

bool PostMessage(Wnd* wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return wnd != nullptr && wnd->PostMessage(message, wParam, lParam);
}

LRESULT SendMessage(Wnd* wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return wnd != nullptr ? wnd->SendMessage(message, wParam, lParam) : 0;
}

bool TrackMouseEvent(Wnd& wnd, DWORD flags, DWORD hoverTime) {
    return WindowSystem::Get().TrackMouse(wnd, flags, hoverTime);
}

Point GetCursorPos() { return WindowSystem::Get().GetHost().CursorPos(); }

Size GetScreenSize() { return WindowSystem::Get().GetHost().ScreenSize(); }

void SetCursor(CursorShape shape) {
    WindowSystem& sys = WindowSystem::Get();
    if (sys.MouseSurface() != 0) sys.GetHost().SetCursor(sys.MouseSurface(), shape);
}

short GetKeyState(UINT vk) {
    return WindowSystem::Get().KeyDown(vk) ? static_cast<short>(0x8000) : 0;
}

}  // namespace lumora
