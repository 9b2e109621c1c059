// Any keyword typed into the search box: the encoding never fails and gives a URL-safe text that
// decodes back to the keyword's code page 936 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/CodePage936.h"
#include "ui/SearchKeyword.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view keyword(reinterpret_cast<const char*>(data), size);
    const std::string encoded = lumora::EncodeSearchKeyword(keyword);
    const std::string bytes = lumora::ToCodePage936(keyword);

    // Decoded again, white space comes back as "+", every other byte as itself.
    std::string decoded;
    for (size_t i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (IsAlnum(c) || c == '+') {
            decoded += c;
        } else if (c == '%' && i + 2 < encoded.size() && HexValue(encoded[i + 1]) >= 0 &&
                   HexValue(encoded[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
            i += 2;
        } else {
            std::abort();
        }
    }
    if (decoded.size() != bytes.size()) std::abort();
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        const bool space = b == ' ' || (b >= '\t' && b <= '\r');
        if (decoded[i] != (space ? '+' : bytes[i])) std::abort();
    }
    if (lumora::SearchPageUrl("http://s/?q=", keyword) != "http://s/?q=" + encoded) std::abort();
    return 0;
}
