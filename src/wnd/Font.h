#pragma once

#include <string>

#include "platform/Host.h"

namespace lumora {

// A font as the program names it: a face and a size in points (dialog fonts) or a cell height
// in pixels (created fonts). MapFont turns it into what is installed here.
struct Font {
    std::string face = "MS Shell Dlg";
    int pointSize = 9;    // used when pixelHeight is 0
    int pixelHeight = 0;  // a created font's character height
    bool bold = false;
    bool italic = false;

    friend bool operator==(const Font&, const Font&) = default;
};

// The dialog faces map to a CJK-capable sans family so that Chinese captions draw on every
// machine; points convert at 96 dots per inch (9 pt -> 12 px, 8 pt -> 11 px).
FontSpec MapFont(const Font& font);

}  // namespace lumora
