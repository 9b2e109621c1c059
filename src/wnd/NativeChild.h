#pragma once

#include "wnd/Wnd.h"

namespace lumora {

// A child window whose face is a native widget of the host placed over its rectangle (edit
// boxes, the web view). The widget is made when the window is created, follows the window's
// place and visibility, and goes when the window goes.
class NativeChild : public Wnd {
public:
    bool Create(DWORD style, const Rect& rect, Wnd* parent, int id);

protected:
    void OnPlacementChanged() override;
    // The widget, while the window has one.
    virtual NativeWidget* Widget() const = 0;
};

}  // namespace lumora
