#pragma once

#include <string>
#include <string_view>

namespace lumora {

// The search page takes the keyword percent-encoded from its code page 936 bytes: letters and
// digits stay, the six white-space bytes become "+", every other byte (each byte of a Chinese
// character included) becomes "%" and two upper-case hexadecimal digits.
std::string EncodeSearchKeyword(std::string_view utf8Keyword);

// The page to open for `utf8Keyword`: the search prefix with the encoded keyword appended.
std::string SearchPageUrl(std::string_view searchPrefix, std::string_view utf8Keyword);

}  // namespace lumora
