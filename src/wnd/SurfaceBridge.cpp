#include "wnd/SurfaceBridge.h"

#include "base/Utf8.h"
#include "wnd/Painter.h"
#include "wnd/ScrollBar.h"
#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

namespace {

UINT ClientMessage(const MouseInput& input) {
    const bool left = input.button == MouseButton::Left;
    const bool right = input.button == MouseButton::Right;
    switch (input.kind) {
        case MouseInput::Move:
            return WM_MOUSEMOVE;
        case MouseInput::Down:
            return left ? UINT{WM_LBUTTONDOWN} : right ? UINT{WM_RBUTTONDOWN} : 0u;
        case MouseInput::Up:
            return left ? UINT{WM_LBUTTONUP} : right ? UINT{WM_RBUTTONUP} : 0u;
        case MouseInput::Wheel:
            return WM_MOUSEWHEEL;
        case MouseInput::Leave:
            return 0;
    }
    return 0;
}

}  // namespace

void SurfaceBridge::Paint(cairo_t* cr, const Rect& area) { Painter::PaintSurface(m_top, cr, area); }

SurfaceBridge::Hit SurfaceBridge::HitTest(Wnd& wnd, Point screen) {
    if (!wnd.IsVisibleFlag()) return {};
    const Rect rect = wnd.GetWindowRect();
    if (!rect.Contains(screen)) return {};
    if (const auto& region = wnd.GetWindowRgn();
        region && !region->Contains({screen.x - rect.left, screen.y - rect.top}))
        return {};
    const Point client = wnd.ScreenToClient(screen);
    if (wnd.GetClientRect().Contains(client)) {
        for (Wnd* child : std::vector<Wnd*>(wnd.Children())) {
            const Hit hit = HitTest(*child, screen);
            if (hit.wnd != nullptr) return hit;
        }
    }
    const int code = wnd.OnNcHitTest(screen);
    if (code == HTTRANSPARENT || code == HTNOWHERE) return {};
    return {&wnd, code};
}

void SurfaceBridge::Mouse(const MouseInput& input) {
    WindowSystem& sys = WindowSystem::Get();
    if (input.kind == MouseInput::Leave) {
        if (sys.Capture() == nullptr) sys.MouseOver(nullptr, 0);
        return;
    }
    const Point screen = m_top.ClientToScreen(input.client);

    // A scroll bar being pressed follows the mouse until the release.
    if (ScrollBar* bar = sys.ScrollTracking()) {
        Wnd* owner = sys.Capture();
        const Point p = owner != nullptr ? owner->ScreenToClient(screen) : input.client;
        if (input.kind == MouseInput::Move)
            bar->Drag(p);
        else if (input.kind == MouseInput::Up && input.button == MouseButton::Left)
            bar->Release(p);
        return;
    }

    const Hit hit = HitTest(m_top, screen);
    sys.MouseOver(hit.code == HTCLIENT ? hit.wnd : nullptr, m_top.m_surface);
    Wnd* capture = sys.Capture();
    Wnd* target = capture != nullptr ? capture : hit.wnd;
    const int code = capture != nullptr ? HTCLIENT : hit.code;
    const UINT message = ClientMessage(input);
    if (target == nullptr || message == 0) return;

    if (input.kind != MouseInput::Wheel) target->OnSetCursor(*target, code, message);
    if (!target->IsWindow()) return;

    if (input.kind == MouseInput::Wheel) {
        target->PostMouse(WM_MOUSEWHEEL, {input.keyState, screen, input.wheelDelta});
    } else if (code == HTCLIENT) {
        target->PostMouse(message, {input.keyState, target->ScreenToClient(screen)});
    } else if (message == WM_LBUTTONDOWN) {
        target->PostMouse(WM_NCLBUTTONDOWN, {input.keyState, screen, 0, code});
    } else if (message == WM_MOUSEMOVE) {
        target->PostMouse(WM_NCMOUSEMOVE, {input.keyState, screen, 0, code});
    }
}

void SurfaceBridge::Key(const KeyInput& input) {
    WindowSystem& sys = WindowSystem::Get();
    Wnd* focus = sys.Focus();
    Wnd* target = focus != nullptr && (focus == &m_top || m_top.IsChild(focus)) ? focus : &m_top;
    const LPARAM flags = input.down ? 1 : static_cast<LPARAM>(0xC0000001u);
    target->PostMessage(input.down ? WM_KEYDOWN : WM_KEYUP, input.vk, flags);
    if (input.down && !input.text.empty()) {
        // The first character of the text, as a code point; a byte that starts no character
        // stands for itself.
        const Utf8Character first = DecodeUtf8(input.text, 0);
        const unsigned cp = first.length > 0 ? static_cast<unsigned>(first.codePoint)
                                             : static_cast<unsigned char>(input.text[0]);
        target->PostMessage(WM_CHAR, cp, 1);
    }
}

void SurfaceBridge::Exposed() {
    m_top.SendMessage(WM_NCPAINT, 1);
    if (m_top.IsWindow()) m_top.Invalidate(true);
}

void SurfaceBridge::Moved(const Rect& screen) {
    m_top.m_rect = screen;
    if (m_top.IsWindow()) m_top.OnMove(screen.left, screen.top);
}

void SurfaceBridge::CloseRequested() { m_top.PostMessage(WM_CLOSE); }

}  // namespace lumora
