#include "app/Config.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/IniDocument.h"
#include "platform/AppDirectory.h"
#include "platform/AtomicFile.h"
#include "platform/FileLock.h"

namespace lumora {

namespace {

constexpr std::string_view kSection = "MAIN";
// Reads hand back what a 260-byte buffer holds: 259 bytes and the terminator.
constexpr size_t kMaxValueBytes = 259;

// The whole file; nullopt when it cannot be read, with `missing` telling a file that is not there.
std::optional<std::string> LoadFile(const std::string& path, bool* missing = nullptr) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (missing) {
            struct stat info {};
            *missing = stat(path.c_str(), &info) != 0 && errno == ENOENT;
        }
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return content.str();
}

// Cuts to at most `limit` bytes without splitting a UTF-8 character.
std::string CutOnCharacter(std::string value, size_t limit) {
    if (value.size() <= limit) {
        return value;
    }
    size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) {
        --end;
    }
    value.resize(end);
    return value;
}

// Decimal value with an optional sign, as far as digits go; 0 when none begins the text.
// Values outside the 32-bit range saturate instead of wrapping.
int ParseLeadingInt(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    value = negative ? -value : value;
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

}  // namespace

Config::Config(std::string path) : m_path(std::move(path)) {}

Config Config::ForApplication() { return Config(ApplicationDirectory() + "/conf.ini"); }

std::string Config::ReadString(std::string_view key, std::string_view fallback) const {
    std::optional<std::string> content = LoadFile(m_path);
    std::optional<std::string> value;
    if (content) {
        value = IniDocument(*content).Get(kSection, key);
    }
    return CutOnCharacter(value ? *value : std::string(fallback), kMaxValueBytes);
}

int Config::ReadInt(std::string_view key, int fallback) const {
    std::optional<std::string> content = LoadFile(m_path);
    if (!content) {
        return fallback;
    }
    std::optional<std::string> value = IniDocument(*content).Get(kSection, key);
    return value ? ParseLeadingInt(*value) : fallback;
}

bool Config::Write(std::string_view key, std::string_view text) const {
    // Read, change and replace as one step against every other writer of the file, in this
    // process or another, so that no writer puts back a file without a key another just wrote.
    // Without a lock (no permission to open the file) the write goes ahead as before.
    ExclusiveFileLock lock(m_path);
    bool missing = false;
    std::optional<std::string> content = LoadFile(m_path, &missing);
    if (!content) {
        // Only a missing file is created afresh; an unreadable one is not replaced by one that
        // holds nothing but this key.
        if (!missing) {
            return false;
        }
        content.emplace();
    }
    IniDocument document(*content);
    if (!document.Set(kSection, key, text)) {
        return false;
    }
    return ReplaceFileAtomically(m_path, document.Text());
}

void Config::RemoveStaleTemporaries() const { RemoveStaleReplacements(m_path); }

bool Config::WriteInt(std::string_view key, int value) const {
    return Write(key, std::to_string(value));
}

}  // namespace lumora
