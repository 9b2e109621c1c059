#include "platform/linux/GtkShapeRegion.h"

namespace lumora {

cairo_region_t* RegionFromRoundRect(const RoundRect& shape) {
    cairo_region_t* region = cairo_region_create();
    const Rect& r = shape.rect;
    if (r.IsEmpty()) return region;
    // Only the rows within the corners are narrower; the span of a row is symmetric, so the
    // first pixel inside from the left gives both ends.
    for (int y = r.top; y < r.bottom; ++y) {
        int inset = 0;
        while (inset < r.Width() / 2 && !shape.Contains({r.left + inset, y})) ++inset;
        if (!shape.Contains({r.left + inset, y})) continue;
        const cairo_rectangle_int_t row{r.left + inset, y, r.Width() - 2 * inset, 1};
        cairo_region_union_rectangle(region, &row);
    }
    return region;
}

}  // namespace lumora
