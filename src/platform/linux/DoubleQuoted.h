#pragma once

#include <string>

namespace lumora {

// The text between double quotes, with '"' and '\' escaped by a backslash: a string literal of
// JavaScript (Plasma's desktop scripts) and of sway's command language alike.
inline std::string DoubleQuoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace lumora
