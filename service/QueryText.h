#pragma once

#include <string>
#include <string_view>

namespace lumora::service {

// The raw, still percent-encoded value of `key` in a query string ("a=1&q=%B1%DA");
// empty when the key is absent.
std::string RawQueryValue(std::string_view query, std::string_view key);

// Percent-decodes a query value byte by byte: "%XX" becomes that byte, "+" a blank. A "%" that
// is not followed by two hexadecimal digits stays as it is.
std::string PercentDecode(std::string_view text);

// Converts code page 936 bytes to UTF-8. A byte sequence the code page does not define becomes
// U+FFFD, so a keyword sent in another encoding still shows, garbled but safe.
std::string Cp936ToUtf8(std::string_view bytes);

// The search keyword of a query: percent-decoded, then read as code page 936 unless the query
// says "ie=utf-8" (the service's own search form sends UTF-8).
std::string SearchKeyword(std::string_view query);

}  // namespace lumora::service
