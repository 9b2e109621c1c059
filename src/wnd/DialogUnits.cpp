#include "wnd/DialogUnits.h"

#include <cstdlib>

namespace lumora {

namespace {

// a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    long long q = p / c;
    const long long r = p % c;
    if (2 * std::llabs(r) >= std::llabs(c)) q += ((p < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

}  // namespace

DialogUnits::DialogUnits(int pointSize) {
    if (pointSize <= 8)
        m_base = {6, 13};
    else if (pointSize == 9)
        m_base = {7, 14};
    else
        m_base = {(7 * pointSize + 4) / 9, (14 * pointSize + 4) / 9};
}

int DialogUnits::ToPixelsX(int units) const { return MulDiv(units, m_base.width, 4); }

int DialogUnits::ToPixelsY(int units) const { return MulDiv(units, m_base.height, 8); }

Rect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    return Rect::FromXywh(ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy));
}

}  // namespace lumora
