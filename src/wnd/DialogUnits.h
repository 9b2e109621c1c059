#pragma once

#include "base/Geometry.h"

namespace lumora {

// Dialog units convert to pixels with fixed base units, so that layouts come out the same on
// every machine: 7 x 14 pixels for the 9-point dialog font, 6 x 13 for the 8-point one. A
// horizontal unit is a quarter of the base width, a vertical one an eighth of the base height.
class DialogUnits {
public:
    explicit DialogUnits(int pointSize);

    Size BaseUnits() const { return m_base; }
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    // Each of x, y, width and height converts on its own, as the system does for templates.
    Rect ToPixels(int x, int y, int cx, int cy) const;

private:
    Size m_base;
};

}  // namespace lumora
