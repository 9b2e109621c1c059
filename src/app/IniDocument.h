#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// The lines of an INI text, read and edited in place: section and key names match without
// regard to ASCII case, values lose the blanks around them, and every line that is not
// touched stays byte for byte as it was (comments, other sections, line ends).
class IniDocument {
public:
    explicit IniDocument(std::string_view text);

    // The value of the first such key in the first such section; nullopt when there is none.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets the key, adding it (and the section) when missing. False for a value or key that
    // would break the line structure (line breaks, a zero byte, "=" in the key), and for a key
    // that could not be read back: empty, with a blank or tab at either end or a tab inside,
    // or beginning with ";" (a comment) or "[" (a section).
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    struct Line {
        std::string body;  // without the line end
        // "\n", "\r\n", "\r" or empty on a last line without one; always one of the literals,
        // which outlive every document.
        std::string_view end;
    };
    // Index of the header line of the section, or npos.
    size_t FindSection(std::string_view section) const;
    // Index of the key's line between the header `header` and the next header, or npos.
    size_t FindKey(size_t header, std::string_view key) const;
    std::string_view LineEnd() const;

    std::vector<Line> m_lines;
};

}  // namespace lumora
