#include "base/FileFilter.h"

namespace lumora {

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
