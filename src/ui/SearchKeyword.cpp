#include "ui/SearchKeyword.h"

#include "base/CodePage936.h"

namespace lumora {

namespace {

bool IsAsciiAlnum(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSpaceByte(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::string EncodeSearchKeyword(std::string_view utf8Keyword) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : ToCodePage936(utf8Keyword)) {
        if (IsAsciiAlnum(c)) {
            encoded.push_back(static_cast<char>(c));
        } else if (IsSpaceByte(c)) {
            encoded.push_back('+');
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[c >> 4]);
            encoded.push_back(kHex[c & 0x0F]);
        }
    }
    return encoded;
}

std::string SearchPageUrl(std::string_view searchPrefix, std::string_view utf8Keyword) {
    std::string url(searchPrefix);
    url += EncodeSearchKeyword(utf8Keyword);
    return url;
}

}  // namespace lumora
