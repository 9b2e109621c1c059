#include "app/IniDocument.h"

#include <initializer_list>

namespace lumora {

namespace {

constexpr size_t npos = std::string::npos;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == npos) {
        return {};
    }
    size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The name of a "[name]" header line, or nullopt for any other line.
std::optional<std::string_view> HeaderName(std::string_view body) {
    std::string_view trimmed = Trim(body);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    size_t close = trimmed.find(']');
    if (close == npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

// Splits "key = value" into its trimmed parts; nullopt for comments and lines without "=".
std::optional<std::pair<std::string_view, std::string_view>> KeyValue(std::string_view body) {
    std::string_view trimmed = Trim(body);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') {
        return std::nullopt;
    }
    size_t equals = trimmed.find('=');
    if (equals == npos) {
        return std::nullopt;
    }
    return std::pair{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

// Joins the pieces into one new string. Built with append rather than operator+, which GCC 12
// at -O3 wrongly reports as an overlapping copy (-Wrestrict).
std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    // A line ends at "\r\n", "\n" or a lone "\r", as files from any system have them.
    size_t start = 0;
    while (start < text.size()) {
        const size_t stop = text.find_first_of("\r\n", start);
        Line line;
        if (stop == npos) {
            line.body = std::string(text.substr(start));
            start = text.size();
        } else {
            line.body = std::string(text.substr(start, stop - start));
            const bool crlf =
                text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n';
            line.end = crlf ? "\r\n" : text[stop] == '\r' ? "\r" : "\n";
            start = stop + line.end.size();
        }
        m_lines.push_back(std::move(line));
    }
}

size_t IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        std::string_view body = m_lines[i].body;
        if (i == 0 && body.starts_with(kUtf8Bom)) {
            body.remove_prefix(kUtf8Bom.size());
        }
        std::optional<std::string_view> name = HeaderName(body);
        if (name && EqualsIgnoringCase(*name, section)) {
            return i;
        }
    }
    return npos;
}

size_t IniDocument::FindKey(size_t header, std::string_view key) const {
    for (size_t i = header + 1; i < m_lines.size(); ++i) {
        if (HeaderName(m_lines[i].body)) {
            break;
        }
        auto pair = KeyValue(m_lines[i].body);
        if (pair && EqualsIgnoringCase(pair->first, key)) {
            return i;
        }
    }
    return npos;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    size_t header = FindSection(section);
    if (header == npos) {
        return std::nullopt;
    }
    size_t index = FindKey(header, key);
    if (index == npos) {
        return std::nullopt;
    }
    return std::string(KeyValue(m_lines[index].body)->second);
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    auto breaksLines = [](std::string_view text) {
        return text.find_first_of(std::string_view("\r\n\0", 3)) != npos;
    };
    // A key is read back trimmed of blanks and tabs, and a line that begins with ";" or "["
    // holds no key.
    const bool unreadableKey = key.empty() || Trim(key) != key || key.find('\t') != npos ||
                               key.front() == ';' || key.front() == '[';
    if (breaksLines(value) || breaksLines(key) || breaksLines(section) || unreadableKey ||
        key.find('=') != npos || section.find(']') != npos) {
        return false;
    }
    std::string_view end = LineEnd();
    size_t header = FindSection(section);
    if (header == npos) {
        if (!m_lines.empty() && m_lines.back().end.empty()) {
            m_lines.back().end = end;
        }
        m_lines.push_back({Joined({"[", section, "]"}), end});
        m_lines.push_back({Joined({key, "=", value}), end});
        return true;
    }
    size_t index = FindKey(header, key);
    if (index != npos) {
        // Keep the key's spelling as the file has it.
        std::string spelling(KeyValue(m_lines[index].body)->first);
        m_lines[index].body = Joined({spelling, "=", value});
        return true;
    }
    // Add the key after the section's last non-blank line, before any blank lines that part it
    // from the next section.
    size_t last = header;
    for (size_t i = header + 1; i < m_lines.size() && !HeaderName(m_lines[i].body); ++i) {
        if (!Trim(m_lines[i].body).empty()) {
            last = i;
        }
    }
    if (m_lines[last].end.empty()) {
        m_lines[last].end = end;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(last + 1),
                   Line{Joined({key, "=", value}), end});
    return true;
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : m_lines) {
        text += line.body;
        text += line.end;
    }
    return text;
}

std::string_view IniDocument::LineEnd() const {
    // New lines follow the file's own convention, so a file written on Windows stays uniform.
    for (const Line& line : m_lines) {
        if (!line.end.empty()) {
            return line.end;
        }
    }
    return "\n";
}

}  // namespace lumora
