#include "app/TextHelpers.h"

namespace lumora {

namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// Length of the well-formed UTF-8 character at `pos`, or, when there is none, the negative
// length of the maximal ill-formed part that starts there.
int CharacterLength(std::string_view text, size_t pos) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    if (lead < 0x80) {
        return 1;
    }
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return -1;
    }
    for (int i = 1; i < length; ++i) {
        size_t at = pos + static_cast<size_t>(i);
        bool fits = at < text.size() && byte(at) >= (i == 1 ? low : 0x80) &&
                    byte(at) <= (i == 1 ? high : 0xBF);
        if (!fits) {
            return -i;
        }
    }
    return length;
}

// Length of the character at `pos` when stepping through text that may be ill-formed.
size_t StepLength(std::string_view text, size_t pos) {
    int length = CharacterLength(text, pos);
    return static_cast<size_t>(length < 0 ? -length : length);
}

bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

void ConvertUtf8ToAnsi(std::string& text) {
    std::string converted;
    converted.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        int length = CharacterLength(text, pos);
        if (length > 0) {
            converted.append(text, pos, static_cast<size_t>(length));
            pos += static_cast<size_t>(length);
        } else {
            converted += '?';
            pos += static_cast<size_t>(-length);
        }
    }
    text = std::move(converted);
}

std::vector<std::string> SplitText(std::string_view text, std::string_view separators) {
    auto isSeparatorAt = [&](size_t pos, size_t length) {
        std::string_view character = text.substr(pos, length);
        for (size_t s = 0; s < separators.size(); s += StepLength(separators, s)) {
            if (separators.substr(s, StepLength(separators, s)) == character) {
                return true;
            }
        }
        return false;
    };
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t pos = start;
        size_t length = 0;
        while (pos < text.size() && !isSeparatorAt(pos, length = StepLength(text, pos))) {
            pos += length;
        }
        parts.emplace_back(text.substr(start, pos - start));
        if (pos >= text.size()) {
            break;
        }
        start = pos + length;
        if (start >= text.size()) {
            break;
        }
    }
    return parts;
}

std::string TrimWhiteSpace(std::string_view text) {
    for (;;) {
        if (!text.empty() && IsAsciiSpace(text.front())) {
            text.remove_prefix(1);
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
        } else {
            break;
        }
    }
    for (;;) {
        if (!text.empty() && IsAsciiSpace(text.back())) {
            text.remove_suffix(1);
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            break;
        }
    }
    return std::string(text);
}

}  // namespace lumora
