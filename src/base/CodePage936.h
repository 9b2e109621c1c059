#pragma once

#include <string>
#include <string_view>

namespace lumora {

// The bytes of `utf8` in code page 936 (GBK), where a Chinese character takes two bytes.
// Characters without a mapping, and ill-formed UTF-8, become "?".
std::string ToCodePage936(std::string_view utf8);

}  // namespace lumora
