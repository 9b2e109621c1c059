#include "app/AutostartEntry.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/Utf8.h"
#include "platform/AtomicFile.h"
#include "platform/UserFiles.h"

namespace lumora {

namespace {

constexpr const char* kGroup = "[Desktop Entry]";

// Control characters other than these three have no escape in a desktop entry's strings.
bool HasUnwritableControl(const std::string& text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\n' && c != '\t' && c != '\r') || byte == 0x7F) return true;
    }
    return false;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

AutostartEntry::AutostartEntry(std::string path) : m_path(std::move(path)) {}

AutostartEntry AutostartEntry::ForUser() { return AutostartEntry(AutostartFilePath()); }

bool AutostartEntry::Present() const {
    std::error_code error;
    if (!Known() || !std::filesystem::is_regular_file(m_path, error)) return false;
    // The session skips an entry that is hidden or switched off; the rest of the file, however
    // long, does not matter.
    std::ifstream in(m_path);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (!line.empty() && line.front() == '[') {
            inGroup = line == kGroup;
            continue;
        }
        if (!inGroup) continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (key == "Hidden" && value == "true") return false;
        if (key == "X-GNOME-Autostart-enabled" && value == "false") return false;
    }
    return true;
}

bool AutostartEntry::Write(const std::string& applicationDirectory) const {
    const std::optional<std::string> contents = Contents(applicationDirectory);
    if (!Known() || !contents) return false;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), error);
    if (error) return false;
    return ReplaceFileAtomically(m_path, *contents);
}

bool AutostartEntry::Remove() const {
    if (!Known()) return false;
    std::error_code error;
    const auto status = std::filesystem::symlink_status(m_path, error);
    if (status.type() == std::filesystem::file_type::not_found) return true;
    if (error) return false;
    return std::filesystem::remove(m_path, error) && !error;
}

std::string AutostartEntry::ExecValue(const std::string& program) {
    // Quoting: inside double quotes a quote, backquote, dollar or backslash is escaped with a
    // backslash. Field codes: a literal percent sign is doubled. Then the escapes of every
    // string value: the backslash itself, and the three control characters that can be written.
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
                break;
        }
    }
    return value;
}

std::optional<std::string> AutostartEntry::Contents(const std::string& applicationDirectory) {
    const std::string program = applicationDirectory + "/lumo";
    // Desktop entries are UTF-8 throughout; an overlong form or a surrogate is not UTF-8 either.
    if (!IsWellFormedUtf8(program) || HasUnwritableControl(program)) return std::nullopt;
    std::ostringstream text;
    text << kGroup << "\n"
         << "Type=Application\n"
         << "Name=Lumora\n"
         << "Exec=" << ExecValue(program) << "\n"
         << "Terminal=false\n"
         << "X-GNOME-Autostart-enabled=true\n";
    return text.str();
}

}  // namespace lumora
