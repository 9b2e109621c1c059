#include "base/FileFilter.h"

namespace lumora {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(const std::string& filter) {
    std::vector<FileFilter> result;
    const std::vector<std::string> fields = Split(filter, '|');
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i].empty()) break;  // the "||" that ends the list
        FileFilter entry{fields[i], {}};
        for (const std::string& part : Split(fields[i + 1], ';')) {
            const std::string pattern = Trimmed(part);
            if (pattern.empty()) continue;
            entry.patterns.push_back(pattern == "*.*" ? "*" : pattern);
        }
        if (!entry.patterns.empty()) result.push_back(std::move(entry));
    }
    return result;
}

std::string CaseInsensitiveGlob(const std::string& pattern) {
    std::string glob;
    bool inBrackets = false;
    for (char c : pattern) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (c == '[') inBrackets = true;
        if (c == ']') inBrackets = false;
        if (!letter || inBrackets) {
            glob += c;
            continue;
        }
        const char lower = c | 0x20;
        glob += '[';
        glob += lower;
        glob += static_cast<char>(lower & ~0x20);
        glob += ']';
    }
    return glob;
}

}  // namespace lumora
