#include "platform/linux/PcmanfmBackground.h"

#include <glib.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <sstream>

#include "platform/UserFiles.h"
#include "platform/linux/PollUntil.h"
#include "platform/linux/WholeFile.h"

namespace lumora {
namespace fs = std::filesystem;

const PcmanfmBackground::Kind PcmanfmBackground::kLxqt = {
    "pcmanfm-qt", {"tile", "center", "stretch", "fit", "zoom"}, "settings.conf", "Wallpaper"};
const PcmanfmBackground::Kind PcmanfmBackground::kLxde = {
    "pcmanfm", {"tile", "center", "stretch", "fit", "crop"}, "desktop-items-", "wallpaper"};

namespace {

using namespace std::chrono_literals;

// The file manager saves its settings a moment after it changed the picture.
constexpr auto kSaveWait = 2s;
constexpr auto kPoll = 50ms;

// Appends one UTF-16 unit sequence's character as UTF-8 (Qt writes non-ASCII as \xHHHH).
void AppendUtf16(std::string& out, std::u16string& pending) {
    if (pending.empty()) {
        return;
    }
    gchar* utf8 = g_utf16_to_utf8(reinterpret_cast<const gunichar2*>(pending.data()),
                                  static_cast<glong>(pending.size()), nullptr, nullptr, nullptr);
    if (utf8) {
        out += utf8;
        g_free(utf8);
    }
    pending.clear();
}

std::string Unescaped(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    std::string out;
    std::u16string pending;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'x') {
            std::size_t digits = 0;
            unsigned unit = 0;
            while (digits < 4 && i + 2 + digits < value.size() &&
                   g_ascii_isxdigit(value[i + 2 + digits])) {
                unit =
                    unit * 16 + static_cast<unsigned>(g_ascii_xdigit_value(value[i + 2 + digits]));
                ++digits;
            }
            pending.push_back(static_cast<char16_t>(unit));
            i += 1 + digits;
            continue;
        }
        AppendUtf16(out, pending);
        if (value[i] == '\\' && i + 1 < value.size()) {
            ++i;
        }
        out += value[i];
    }
    AppendUtf16(out, pending);
    return out;
}

}  // namespace

std::string PcmanfmBackground::SettingValue(const std::string& text, const std::string& key) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(key + "=")) {
            return Unescaped(line.substr(key.size() + 1));
        }
    }
    return {};
}

bool PcmanfmBackground::Holds(const std::string& path) const {
    const std::string config = UserConfigDirectory();
    if (config.empty()) {
        return false;
    }
    std::error_code error;
    const fs::path folder = fs::path(config) / m_kind.program;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().starts_with(m_kind.settingsStart) &&
            SettingValue(ReadWholeFile(it->path()), m_kind.wallpaperKey) == path) {
            return true;
        }
    }
    return false;
}

int PcmanfmBackground::SetWallpaper(const std::string& path, int layout) {
    if (layout < kLayoutTiled || layout > kLayoutFilled) {
        return EINVAL;
    }
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    // The file manager keeps the picture it read as long as the path it is given stays the
    // same; the same file under another spelling makes it read the file again.
    std::string picture = absolute.string();
    if (Holds(picture)) {
        picture = (absolute.parent_path() / "." / absolute.filename()).string();
    }
    const CommandResult result = m_runner.Run(
        {m_kind.program, "--set-wallpaper", picture, "--wallpaper-mode", m_kind.modes[layout]});
    if (!result.started) {
        return ENXIO;
    }
    if (result.exitCode != 0) {
        return EIO;
    }
    const bool saved = PollUntil(std::chrono::steady_clock::now() + kSaveWait, kPoll,
                                 [&] { return Holds(picture); });
    return saved ? 0 : EIO;
}

}  // namespace lumora
