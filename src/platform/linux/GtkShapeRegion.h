#pragma once

#include <cairo.h>

#include "base/Geometry.h"

namespace lumora {

// The pixels of a rounded rectangle as a cairo region, row by row, so that the window's X shape
// covers exactly the pixels RoundRect::Contains accepts. The caller destroys the region.
cairo_region_t* RegionFromRoundRect(const RoundRect& shape);

}  // namespace lumora
