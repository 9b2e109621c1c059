#pragma once

#include <string>
#include <string_view>

namespace lumora::service {

// Escapes text for HTML element content and quoted attribute values.
std::string HtmlEscape(std::string_view text);

// Percent-encodes every byte outside the URL-safe ASCII set, for names inside a URL.
std::string UrlEncode(std::string_view text);

}  // namespace lumora::service
