#pragma once

#include "platform/ImageFile.h"

namespace lumora {

// Multiplies blue, green and red of every pixel by its alpha / 255 (truncating), so that the
// picture can be blended with the premultiplied "over" rule. Pictures without an alpha channel
// and empty ones are left as they are.
void PremultiplyAlpha(BgraImage& image);

}  // namespace lumora
