#pragma once

#include "platform/Host.h"

namespace lumora {

class Wnd;

// Connects one top-level window to its host surface: paints the window tree when the host
// asks, and turns the host's mouse and keys into window messages for the window under the
// mouse (or the capture) and for the focus.
class SurfaceBridge : public SurfaceClient {
public:
    explicit SurfaceBridge(Wnd& top) : m_top(top) {}

    void Paint(cairo_t* cr, const Rect& area) override;
    void Mouse(const MouseInput& input) override;
    void Key(const KeyInput& input) override;
    void Exposed() override;
    void Moved(const Rect& screen) override;
    void CloseRequested() override;

    struct Hit {
        Wnd* wnd = nullptr;
        int code = 0;
    };
    // The deepest visible window under `screen` that does not answer HTTRANSPARENT.
    static Hit HitTest(Wnd& wnd, Point screen);

private:
    Wnd& m_top;
};

}  // namespace lumora
