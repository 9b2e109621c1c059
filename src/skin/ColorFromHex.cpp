#include "skin/ColorFromHex.h"

#include <cstdio>
#include <string>

namespace lumora {

ColorRef ColorFromHex(std::string_view text) {
    // The same scan as the format "#%2X%2X%2X": at most two digits a field.
    unsigned red = 0;
    unsigned green = 0;
    unsigned blue = 0;
    std::string copy(text);
    std::sscanf(copy.c_str(), "#%2X%2X%2X", &red, &green, &blue);
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

}  // namespace lumora
