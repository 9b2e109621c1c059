#include "base/Utf8.h"

namespace lumora {

Utf8Character DecodeUtf8(std::string_view text, std::size_t pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return {1, lead};
    int length = 0;
    char32_t code = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return {-1, 0};
    }
    for (int i = 1; i < length; ++i) {
        const std::size_t at = pos + static_cast<std::size_t>(i);
        const bool fits = at < text.size() && byte(at) >= (i == 1 ? low : 0x80) &&
                          byte(at) <= (i == 1 ? high : 0xBF);
        if (!fits) return {-i, 0};
        code = (code << 6) | (byte(at) & 0x3F);
    }
    return {length, code};
}

std::size_t Utf8StepLength(std::string_view text, std::size_t pos) {
    const int length = DecodeUtf8(text, pos).length;
    return static_cast<std::size_t>(length < 0 ? -length : length);
}

bool IsWellFormedUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const int length = DecodeUtf8(text, pos).length;
        if (length < 0) return false;
        pos += static_cast<std::size_t>(length);
    }
    return true;
}

}  // namespace lumora
