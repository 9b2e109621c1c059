#include "app/TextHelpers.h"

#include "base/Utf8.h"

namespace lumora {

namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

void ConvertUtf8ToAnsi(std::string& text) {
    std::string converted;
    converted.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        int length = DecodeUtf8(text, pos).length;
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
        for (size_t s = 0; s < separators.size(); s += Utf8StepLength(separators, s)) {
            if (separators.substr(s, Utf8StepLength(separators, s)) == character) {
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
        while (pos < text.size() && !isSeparatorAt(pos, length = Utf8StepLength(text, pos))) {
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
