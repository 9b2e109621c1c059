#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/PictureFormat.h"

namespace lumora {

// Decodes the bytes with gdk-pixbuf's decoder for `format` alone, so content of any other kind
// never reaches another of the installed decoders. With `width` and `height` above 0 the
// picture comes out at that size. A new reference, or null when the decoder reports an error.
// The caller has inspected the bytes (InspectPicture) and checked the size they claim.
GdkPixbuf* DecodePixbuf(std::string_view bytes, PictureFormat format, int width = 0,
                        int height = 0);

// Reads the picture file at `path` (ReadPictureFile), inspects it and decodes it when it is
// whole, of the format `only` where one is given, and within TooLargeToDecode's bound. A new
// reference, or null.
GdkPixbuf* DecodePictureFile(const std::string& path,
                             std::optional<PictureFormat> only = std::nullopt);

}  // namespace lumora
