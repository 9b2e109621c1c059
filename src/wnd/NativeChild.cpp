#include "wnd/NativeChild.h"

namespace lumora {

bool NativeChild::Create(DWORD style, const Rect& rect, Wnd* parent, int id) {
    return CreateEx(0, "", style | WS_CHILD, rect, parent, id);
}

void NativeChild::OnPlacementChanged() {
    NativeWidget* widget = Widget();
    if (widget == nullptr) return;
    const Point origin = SurfaceOrigin();
    widget->SetRect(
        Rect::FromXywh(origin.x, origin.y, RectInParent().Width(), RectInParent().Height()));
    widget->SetVisible(IsWindowVisible());
}

}  // namespace lumora
