#pragma once

#include <string_view>

#include "platform/Host.h"

namespace lumora {

// Turns a colour text "#RRGGBB" (hexadecimal digits of either case) into a colour value,
// red in the lowest byte. Fields that cannot be read count as 0.
ColorRef ColorFromHex(std::string_view text);

}  // namespace lumora
