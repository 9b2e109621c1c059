#pragma once

#include <algorithm>

namespace lumora {

// A point in pixels; which origin (screen, surface, window client) depends on the caller.
struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle with the Win32 convention: right and bottom lie just outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromXywh(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect Intersect(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    Rect Union(const Rect& o) const {
        if (IsEmpty()) return o;
        if (o.IsEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// A rounded-rectangle shape (the only window region the program makes): `rect` with corner
// ellipses of the given width and height, as CreateRoundRectRgn takes them. Coordinates are
// relative to the window's top left corner.
struct RoundRect {
    Rect rect;
    int ellipseWidth = 0;
    int ellipseHeight = 0;

    bool Contains(Point p) const;

    friend bool operator==(const RoundRect&, const RoundRect&) = default;
};

}  // namespace lumora
