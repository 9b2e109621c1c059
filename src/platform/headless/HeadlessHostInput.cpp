// HeadlessHost: the synthetic mouse and keyboard, and the user's actions on surfaces and icons.
#include <algorithm>
#include <cctype>

#include "base/Utf8.h"
#include "platform/headless/HeadlessEdit.h"
#include "platform/headless/HeadlessHost.h"

namespace lumora {

namespace {

constexpr unsigned kMkLButton = 0x1;
constexpr unsigned kMkRButton = 0x2;
constexpr unsigned kMkMButton = 0x10;

unsigned ButtonBit(MouseButton b) {
    switch (b) {
        case MouseButton::Left:
            return kMkLButton;
        case MouseButton::Right:
            return kMkRButton;
        case MouseButton::Middle:
            return kMkMButton;
    }
    return 0;
}

}  // namespace

Point HeadlessHost::ToScreen(SurfaceId surface, Point client) const {
    const Surface* s = Find(surface);
    if (s == nullptr) return client;
    return {client.x + s->screen.left, client.y + s->screen.top};
}

void HeadlessHost::DeliverMouse(Point screen, MouseInput input) {
    m_cursor = screen;
    const SurfaceId under = SurfaceAt(screen);
    const SurfaceId target = m_pressSurface != 0 ? m_pressSurface : under;
    if (m_pressSurface == 0 && m_hoverSurface != 0 && m_hoverSurface != under) {
        Surface* old = Get(m_hoverSurface);
        m_hoverSurface = 0;
        if (old != nullptr) {
            MouseInput leave;
            leave.kind = MouseInput::Leave;
            old->options.client->Mouse(leave);
        }
    }
    if (m_pressSurface == 0) m_hoverSurface = under;
    Surface* s = Get(target);
    if (s != nullptr) {
        input.client = {screen.x - s->screen.left, screen.y - s->screen.top};
        // A press on a native edit focuses it; the window below never sees that press.
        if (input.kind == MouseInput::Down) {
            for (HeadlessEdit* e : m_edits) {
                if (e->surface == target && e->visible && e->rect.Contains(input.client)) {
                    FocusEdit(e);
                    RunUntilIdle();
                    return;
                }
            }
        }
        s->options.client->Mouse(input);
    }
    RunUntilIdle();
}

void HeadlessHost::MoveTo(Point screen) {
    MouseInput in;
    in.kind = MouseInput::Move;
    DeliverMouse(screen, in);
}

void HeadlessHost::Press(Point screen, MouseButton button) {
    MouseInput in;
    in.kind = MouseInput::Down;
    in.button = button;
    in.keyState = ButtonBit(button);
    if (m_cursor != screen) MoveTo(screen);
    DeliverMouse(screen, in);
    m_pressSurface = SurfaceAt(screen);
}

void HeadlessHost::Release(Point screen, MouseButton button) {
    MouseInput in;
    in.kind = MouseInput::Up;
    in.button = button;
    if (m_cursor != screen) MoveTo(screen);
    DeliverMouse(screen, in);
    m_pressSurface = 0;
    // The grab has ended: a surface the pointer left meanwhile hears of it now.
    const SurfaceId under = SurfaceAt(screen);
    if (m_hoverSurface != under) {
        if (Surface* old = Get(m_hoverSurface)) {
            MouseInput leave;
            leave.kind = MouseInput::Leave;
            old->options.client->Mouse(leave);
        }
        m_hoverSurface = under;
    }
    RunUntilIdle();
}

void HeadlessHost::Click(Point screen, MouseButton button) {
    Press(screen, button);
    Release(screen, button);
}

void HeadlessHost::Wheel(Point screen, int delta) {
    MouseInput in;
    in.kind = MouseInput::Wheel;
    in.wheelDelta = delta;
    DeliverMouse(screen, in);
}

void HeadlessHost::Key(unsigned vk, const std::string& text) {
    for (const bool down : {true, false}) {
        KeyInput key{down, vk, down ? text : std::string()};
        if (m_focusedEdit != nullptr) {
            m_focusedEdit->TakeKey(key);
        } else if (Surface* s = Get(foreground)) {
            s->options.client->Key(key);
        }
        RunUntilIdle();
    }
}

void HeadlessHost::Type(const std::string& text) {
    // One key a character; letters and digits carry their virtual-key code, others none.
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t len = Utf8StepLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::string ch = text.substr(i, len);
        unsigned vk = 0;
        if (len == 1 && std::isalnum(lead))
            vk = static_cast<unsigned>(std::toupper(lead));
        else if (len == 1 && lead == ' ')
            vk = 0x20;
        Key(vk, ch);
        i += len;
    }
}

void HeadlessHost::ClickTrayIcon(unsigned id, MouseButton button) {
    if (button == MouseButton::Right) {
        OpenTrayMenuAt(id, m_cursor);
        return;
    }
    auto it = trayIcons.find(id);
    if (it == trayIcons.end()) return;
    // Copied: the callback may delete or replace the icon.
    const auto callback = it->second.leftClick;
    if (callback) callback();
    RunUntilIdle();
}

void HeadlessHost::OpenTrayMenuAt(unsigned id, Point screen) {
    auto it = trayIcons.find(id);
    if (it == trayIcons.end()) return;
    const auto callback = it->second.rightClick;
    if (callback) callback(screen);
    RunUntilIdle();
}

bool HeadlessHost::ChooseTrayMenuItem(unsigned id, unsigned command) {
    auto it = trayIcons.find(id);
    if (it == trayIcons.end()) return false;
    const TrayIcon& icon = it->second;
    const bool offered = std::any_of(icon.menu.begin(), icon.menu.end(),
                                     [&](const MenuItem& item) { return item.id == command; });
    if (!offered || !icon.menuCommand) return false;
    const auto callback = icon.menuCommand;
    callback(command);
    RunUntilIdle();
    return true;
}

void HeadlessHost::CloseSurface(SurfaceId surface) {
    if (Surface* s = Get(surface)) s->options.client->CloseRequested();
    RunUntilIdle();
}

void HeadlessHost::Expose(SurfaceId surface) {
    if (Surface* s = Get(surface)) s->options.client->Exposed();
    RunUntilIdle();
}

}  // namespace lumora
