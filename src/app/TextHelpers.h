#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Text is UTF-8 throughout the program. Replaces every ill-formed UTF-8 sequence of `text`
// (each maximal ill-formed part) by "?", so that what the service sends can be shown safely.
void ConvertUtf8ToAnsi(std::string& text);

// Splits `text` at every character of `separators` (whole UTF-8 characters, never bytes inside
// one). The list has at least one element; a trailing separator adds no empty element.
std::vector<std::string> SplitText(std::string_view text, std::string_view separators);

// `text` without white space at either end: blank, tab, line feed, vertical tab, form feed,
// carriage return and the ideographic space U+3000.
std::string TrimWhiteSpace(std::string_view text);

}  // namespace lumora
