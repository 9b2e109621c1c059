#include "service/QueryText.h"

#include <iconv.h>

#include <cerrno>

namespace lumora::service {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string_view> FindRawQueryValue(std::string_view query, std::string_view key) {
    while (!query.empty()) {
        size_t amp = query.find('&');
        std::string_view pair = query.substr(0, amp);
        size_t eq = pair.find('=');
        if (pair.substr(0, eq) == key) {
            return eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
        }
        if (amp == std::string_view::npos) break;
        query.remove_prefix(amp + 1);
    }
    return std::nullopt;
}

std::string RawQueryValue(std::string_view query, std::string_view key) {
    return std::string(FindRawQueryValue(query, key).value_or(std::string_view()));
}

std::string PercentDecode(std::string_view text, PlusSign plus) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '+' && plus == PlusSign::kBlank) {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                   HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Cp936ToUtf8(std::string_view bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::string(bytes);
    }
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (result != static_cast<size_t>(-1) || errno == E2BIG) {
            continue;
        }
        // An undefined or cut-off sequence: replace its first byte and go on after it.
        out += "\xEF\xBF\xBD";
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

std::string SearchKeyword(std::string_view query) {
    std::string keyword = PercentDecode(RawQueryValue(query, "q"));
    if (EqualsIgnoreCase(RawQueryValue(query, "ie"), "utf-8")) {
        return keyword;
    }
    return Cp936ToUtf8(keyword);
}

}  // namespace lumora::service
