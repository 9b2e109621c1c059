#pragma once

#include "platform/Host.h"

namespace lumora {

// A native widget of the headless host (Native is NativeEdit or NativeWebView): keeps the place
// and visibility the framework gives it where tests can read them.
template <class Native>
class HeadlessWidget : public Native {
public:
    void SetRect(const Rect& surfaceRect) override { rect = surfaceRect; }
    void SetVisible(bool v) override { visible = v; }

    Rect rect;
    bool visible = true;
};

}  // namespace lumora
