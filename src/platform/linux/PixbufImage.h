#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

#include "platform/ImageFile.h"

namespace lumora {

// The pixels of a pixbuf (RGB or RGBA) as straight-alpha BGRA bytes.
BgraImage ToBgraImage(GdkPixbuf* pixbuf);

}  // namespace lumora
