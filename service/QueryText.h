#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumora::service {

// The raw, still percent-encoded value of the first `key` in a query string ("a=1&q=%B1%DA");
// nullopt when the key is absent, empty for a key without "=".
std::optional<std::string_view> FindRawQueryValue(std::string_view query, std::string_view key);

// As FindRawQueryValue; empty when the key is absent.
std::string RawQueryValue(std::string_view query, std::string_view key);

// What "+" stands for in a percent-encoded value: a blank in what a form sends, itself where the
// sender put the bytes into the query as they are.
enum class PlusSign { kBlank, kItself };

// Percent-decodes a query value byte by byte: "%XX" becomes that byte, "+" a blank unless `plus`
// keeps it. A "%" that is not followed by two hexadecimal digits stays as it is.
std::string PercentDecode(std::string_view text, PlusSign plus = PlusSign::kBlank);

// Converts code page 936 bytes to UTF-8. A byte sequence the code page does not define becomes
// U+FFFD, so a keyword sent in another encoding still shows, garbled but safe.
std::string Cp936ToUtf8(std::string_view bytes);

// The search keyword of a query: percent-decoded, then read as code page 936 unless the query
// says "ie=utf-8" (the service's own search form sends UTF-8).
std::string SearchKeyword(std::string_view query);

}  // namespace lumora::service
