#pragma once

#include <cstddef>
#include <string_view>

namespace lumora {

// The UTF-8 character that starts at `pos` of `text`. Well-formed (no overlong form, no
// surrogate, nothing above U+10FFFF): its length in bytes and its code point. Otherwise the
// negative length of the maximal ill-formed part that starts there, and code point 0.
struct Utf8Character {
    int length = 0;
    char32_t codePoint = 0;
};
Utf8Character DecodeUtf8(std::string_view text, std::size_t pos);

// The bytes from `pos` to the next character, in text that may be ill-formed.
std::size_t Utf8StepLength(std::string_view text, std::size_t pos);

// Whether all of `text` is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

}  // namespace lumora
