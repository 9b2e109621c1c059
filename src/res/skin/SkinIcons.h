#pragma once

#include "res/skin/SkinCanvas.h"

namespace lumora::skinart {

// Line glyphs of the skin, drawn centred at (cx, cy) within a square of `size` pixels. They
// share one stroke weight so that every button of the program reads as one set.
enum class Glyph {
    Close,
    Minimise,
    Menu,
    Globe,
    Picture,
    Play,
    Pause,
    Clock,
    ChevronUp,
    ChevronDown,
    Plus,
    Magnifier,
    Star,
    Gear,
    Home,
    Power,
    Check,
};

void DrawGlyph(const SkinCanvas& canvas, Glyph glyph, double cx, double cy, double size,
               const Rgba& colour, double lineWidth = 1.6);

// The program's mark: a rounded tile with a landscape, at any size.
void DrawLogo(const SkinCanvas& canvas, double x, double y, double size);

}  // namespace lumora::skinart
