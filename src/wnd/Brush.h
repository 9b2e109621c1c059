#pragma once

#include "platform/Host.h"
#include "wnd/WinTypes.h"

namespace lumora {

// What a control-colour handler answers: the default colouring, the hollow brush (paint
// nothing, the parent shows through) or a solid colour.
struct Brush {
    enum Kind { Default, Hollow, Solid };
    Kind kind = Default;
    ColorRef color = 0;

    static Brush HollowBrush() { return {Hollow, 0}; }
    static Brush SolidColor(ColorRef c) { return {Solid, c}; }
};

constexpr ColorRef RGB(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
constexpr unsigned GetRValue(ColorRef c) { return c & 0xFF; }
constexpr unsigned GetGValue(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(ColorRef c) { return (c >> 16) & 0xFF; }

// The face colour of dialogs and controls that nobody colours.
constexpr ColorRef kFaceColor = RGB(240, 240, 240);

}  // namespace lumora
