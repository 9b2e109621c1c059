#include "wallpaper/Rotation.h"

#include <charconv>
#include <filesystem>

#include "app/ConfigKeys.h"
#include "wallpaper/WallpaperFolder.h"

namespace lumora {
namespace fs = std::filesystem;

namespace {

constexpr RotationInterval kIntervals[] = {
    {180000, "每三分钟"},    {300000, "每五分钟"}, {600000, "每十分钟"}, {1200000, "每二十分钟"},
    {1800000, "每三十分钟"}, {3600000, "每小时"},  {86400000, "每天"},
};
constexpr RotationInterval kOutsideTable = {60000, nullptr};

}  // namespace

Rotation::Rotation(const Config& config, const std::string& collectionDirectory,
                   ApplyFunction apply, Clock& clock)
    : m_config(config),
      m_collectionDirectory(collectionDirectory),
      m_apply(std::move(apply)),
      m_clock(clock),
      m_flag(config.ReadInt("AUTO", 1)),
      m_nextPosition(config.ReadInt("LCLINDEX", 0)),
      m_intervalIndex(config.ReadInt("AUTOTIME", 1)) {}

RotationInterval Rotation::IntervalFor(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kIntervals))) {
        return kOutsideTable;
    }
    return kIntervals[index];
}

int Rotation::FirstTickDelayMs() const {
    const long long period = IntervalFor(m_intervalIndex).periodMs;
    const std::string text = m_config.ReadString(kKeyLastChange, "");
    long long last = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), last);
    const long long now = m_clock.NowSeconds();
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        m_config.Write(kKeyLastChange, std::to_string(now));
        return static_cast<int>(period);
    }
    if (last > now) {
        return static_cast<int>(period);
    }
    // Every period is whole seconds.
    if (last < 0 || now - last >= period / 1000) {
        return 0;
    }
    return static_cast<int>(period - (now - last) * 1000);
}

void Rotation::Tick() {
    if (m_flag > 0) {
        RotateWallpaper();
    }
}

void Rotation::RotateWallpaper() {
    const std::string collection = m_collectionDirectory;
    std::error_code error;
    if (!fs::is_directory(collection, error)) {
        return;
    }
    // Counted afresh at every tick, in the directory's own order, favourites and plain
    // duplicates alike; "temp.bmp" never counts.
    const std::string folder = collection + "/imgs/";
    int count = 0;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!WallpaperFolder::IsWallpaperFile(name)) {
            continue;
        }
        if (count == m_nextPosition) {
            m_apply(folder + name);
        }
        ++count;
    }
    if (count > 0) {
        // An out-of-range or negative position comes back into range here.
        const long long next = (static_cast<long long>(m_nextPosition) + 1) % count;
        m_nextPosition = static_cast<int>(next < 0 ? next + count : next);
    }
    m_config.WriteInt("LCLINDEX", m_nextPosition);
    m_config.Write(kKeyLastChange, std::to_string(m_clock.NowSeconds()));
}

int Rotation::Toggle() {
    m_flag = m_flag == 1 ? 0 : 1;
    m_config.WriteInt("AUTO", m_flag);
    return m_flag;
}

}  // namespace lumora
