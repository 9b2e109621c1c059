#include "base/Geometry.h"

namespace lumora {

bool RoundRect::Contains(Point p) const {
    if (!rect.Contains(p)) return false;
    // Half axes of the corner ellipse, clamped to half the rectangle as the system does.
    const double rx = std::min(ellipseWidth, rect.Width()) / 2.0;
    const double ry = std::min(ellipseHeight, rect.Height()) / 2.0;
    if (rx <= 0 || ry <= 0) return true;
    // Pixel centres are tested against the ellipse of the nearest corner.
    const double px = p.x + 0.5;
    const double py = p.y + 0.5;
    double cx = 0;
    double cy = 0;
    if (px < rect.left + rx)
        cx = rect.left + rx;
    else if (px > rect.right - rx)
        cx = rect.right - rx;
    else
        return true;
    if (py < rect.top + ry)
        cy = rect.top + ry;
    else if (py > rect.bottom - ry)
        cy = rect.bottom - ry;
    else
        return true;
    const double dx = (px - cx) / rx;
    const double dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace lumora
